// The meter's columns: the level's height in its colour from the bottom, the background above.
#include "controls/PeakMeter.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/MeterFill.h"

#include <QPainter>

#include <cmath>

int32_t TThePeakMeter::separatorColumn(const TLayoutRect& layout) const {
    return m_side == Side::Left ? layout.Left + Width - 1 : layout.Right - Width;
}

int32_t TThePeakMeter::firstColumn(const TLayoutRect& layout) const {
    return m_side == Side::Left ? layout.Left : layout.Right - Width + 1;
}

QRect TThePeakMeter::Strip(const TLayoutRect& layout) const {
    const int32_t left = m_side == Side::Left ? layout.Left : layout.Right - Width;
    return QRect(left, layout.Top, Width, layout.Height);
}

void TThePeakMeter::SetLevel(int32_t level, const MeterScene& scene) {
    const TLayoutRect& layout = scene.layout;
    if (scene.surfaces.CompositionBitmap.isNull() || Width < 2)
        return;
    int32_t lit = 0; // pixels in the level's colour, from the bottom up
    uint32_t colour = scene.colours.Normal;
    if (level < 0) {
        lit = layout.Height;
        colour = scene.lastPlaySucceeded ? scene.colours.Paused : scene.colours.Foul;
    } else {
        lit = static_cast<int32_t>(
            std::lround(MeterFill(static_cast<uint32_t>(level)) * layout.Height));
    }
    const QRect strip(firstColumn(layout), layout.Top, Width - 1, layout.Height);
    QPainter painter(&scene.surfaces.CompositionBitmap);
    painter.fillRect(strip.x(), layout.Bottom - lit, strip.width(), lit, ToQColor(colour));
    if (colour != scene.colours.Paused)
        painter.fillRect(strip.x(), layout.Top, strip.width(), layout.Height - lit,
                         ToQColor(scene.colours.BG));
    painter.end();
    scene.host.CopyToWindow(strip);
}

void TThePeakMeter::Paint(const MeterScene& scene) {
    const TLayoutRect& layout = scene.layout;
    if (scene.surfaces.CompositionBitmap.isNull())
        return;
    const QRect separator(separatorColumn(layout), layout.Top, 1, layout.Height);
    QPainter(&scene.surfaces.CompositionBitmap)
        .fillRect(separator, ToQColor(scene.colours.Outline));
    scene.host.CopyToWindow(separator);
    if (!scene.rolling)
        SetLevel(kNoLevel, scene);
}
