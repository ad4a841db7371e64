// The seven characters the watch shows: each is the glyph of the digit strip it stands for.
#pragma once

#include "model/Units.h"

#include <QString>

#include <cstdint>

// Glyph characters: glyph n of the strip stands for the character '/' + n.
constexpr char16_t kWatchBlank = u'/'; // glyph 0
constexpr char16_t kWatchMinus = u':'; // glyph 11
constexpr char16_t kWatchMark = u';';  // glyph 12: the short third group while rolling
constexpr int kWatchPlaces = 7;

// A number padded on the left with blanks to a width; a longer number keeps its last places.
QString WatchPadded(const QString& digits, int width);

// A time in milliseconds as the watch shows it: minutes of the hour (two places), seconds (two),
// milliseconds (three when full, else two and the mark). A negative time puts the minus in the
// first place, before the second digit of the minutes.
QString TimeDigitText(int64_t milliseconds, bool full);
// The same from the parts as the ruler gives them (decimal texts, unpadded).
QString TimeDigitText(const QString& minutes, const QString& seconds, const QString& milliseconds,
                      bool negative, bool full);
// A time as the watch's copy gives it: "mm:ss:zzz" zero-padded (minutes of the hour), with "-"
// in front when negative; TimeFromText reads it back.
QString WatchTimeText(int64_t milliseconds);
// The time of a line position: position / (elementRate x 4) seconds, rounded to milliseconds;
// 0 without a usable rate.
int64_t MillisecondsOfPosition(Elements position, int32_t elementRate);

// The step under a line position: (position + 1) / elementsPerStep without its fraction, one
// less for a negative position; 0 without a usable step length.
int64_t StepOfPosition(Elements position, long double elementsPerStep);
// The step count in seven places, the minus in the first one for a negative position.
QString StepDigitText(Elements position, long double elementsPerStep);
