// Writes the binary plan form: the magic, then tagged records.
#pragma once

#include "planfile/PlanImage.h"

class Arrangement;

PlanImage WriteBinaryPlan(const Arrangement& arrangement);
