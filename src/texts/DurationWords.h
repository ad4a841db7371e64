// A duration in words, such as "3 minutes", for questions that say how long ago.
#pragma once

#include <QString>

#include <chrono>

// The count of the largest whole unit (year of 365 days, month of 30 days, week, day,
// hour, minute, second, millisecond) with the unit's name from the date-and-time names.
// A negative duration counts as none.
QString DurationInWords(std::chrono::milliseconds duration);
