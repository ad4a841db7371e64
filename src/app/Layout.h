// The window's layout rectangle and its smallest client size.
#pragma once

#include "controls/Geometry.h"

#include <QSize>

class TTheInterior;

// The client area less the padding on every side.
TLayoutRect LayoutRectFor(QSize client, int padding);

// The smallest client area that still shows the lane strip with both meters, and the ruler over
// the lowest of carrier, slider and watch (the first of them that is visible), with the padding.
QSize MinimumClientSize(const TTheInterior& interior, int padding);
