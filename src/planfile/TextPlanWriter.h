// Writes the text plan form, version 2: UTF-8 without a byte-order mark, lines ending in CR LF.
#pragma once

#include "planfile/PlanImage.h"

#include <vector>

class Arrangement;
class TBall;
class TLane;

enum class TextPlanScope {
    Whole,    // [Main], the lanes, the balls
    BallsOnly // the ball sections alone
};

PlanImage WriteTextPlan(const Arrangement& arrangement, TextPlanScope scope);
// The sections of the lanes, then of the balls, alone and numbered from 0 in the order given:
// what the clipboard carries of a plan.
QByteArray WriteTextSections(const std::vector<const TLane*>& lanes,
                             const std::vector<const TBall*>& balls);

// The [Main] section of the plan's values that edits change: no view, no master loudness.
QByteArray WritePlanValuesSection(const Arrangement& arrangement);

// The hue as the text form writes it: "." and the shortest text that reads back the same.
QString HueText(long double hue);
