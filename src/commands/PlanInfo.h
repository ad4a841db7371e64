// The words of the plan's and the lanes' information boxes.
#pragma once

#include <QString>

class Arrangement;

// One "label: value" line each, ending in CR LF: the plan file (on a line of its own), its
// format and the plan's values, the counts of lanes and balls, and when it was loaded or begun.
QString PlanInfoText(const Arrangement& arrangement);
// The number of lanes and the lane strip's text size setting.
QString LanesInfoText(int laneCount, int textZoom);
