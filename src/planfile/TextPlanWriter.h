// Writes the text plan form, version 2: UTF-8 without a byte-order mark, lines ending in CR LF.
#pragma once

#include "planfile/PlanImage.h"

class Arrangement;

enum class TextPlanScope {
    Whole,    // [Main], the lanes, the balls
    BallsOnly // the ball sections alone
};

PlanImage WriteTextPlan(const Arrangement& arrangement, TextPlanScope scope);

// The hue as the text form writes it: "." and the shortest text that reads back the same.
QString HueText(long double hue);
