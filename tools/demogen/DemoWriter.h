// Writes the whole demo into a folder: the sound files, then the plan.
#pragma once

#include <QString>

inline constexpr char kDemoPlanFile[] = "demo.skw";

// The fault's text, empty on success.
QString WriteDemo(const QString& folder);
