// A master peak meter: a strip of vertical lines at the left or right edge of the layout.
#pragma once

#include "controls/Geometry.h"
#include "controls/StyleTables.h"

#include <QRect>

#include <cstdint>

class ControlHost;
class DrawingSurfaces;

// What a meter draws in and with, gathered by the window for each drawing.
struct MeterScene {
    DrawingSurfaces& surfaces;
    ControlHost& host;
    TLayoutRect layout;
    const MasterMeterStyle& colours;
    bool rolling = false;
    bool lastPlaySucceeded = true;
};

// Not a control: it draws straight into the composition and copies its strip to the screen.
// UI thread only.
class TThePeakMeter {
public:
    enum class Side { Left, Right };
    explicit TThePeakMeter(Side side) : m_side(side) {}

    static constexpr int32_t kFullLevel = 32768;
    static constexpr int32_t kNoLevel = -1;

    int32_t Width = 4;

    // Draws a level of 0 .. 32768 (larger ones count as full), or kNoLevel for the paused or
    // failed state over the whole height.
    void SetLevel(int32_t level, const MeterScene& scene);
    // The separator at the inner edge; when nothing rolls, the paused state.
    void Paint(const MeterScene& scene);
    // The meter's whole strip, its separator included.
    QRect Strip(const TLayoutRect& layout) const;

private:
    int32_t firstColumn(const TLayoutRect& layout) const; // of the level's lines
    int32_t separatorColumn(const TLayoutRect& layout) const;

    Side m_side;
};
