// Growing the shared images and the dim blend.
#include "controls/DrawingSurfaces.h"

#include "model/Colour.h"

#include <QPainter>

void DrawingSurfaces::GrowTo(int width, int height, const QColor& background, int scale) {
    if (scale != Scale) {
        Scale = scale;
        CompositionBitmap = QImage();
        ScratchBitmap = QImage();
    }
    const QSize old = CompositionBitmap.size() / Scale;
    const QSize grown(std::max(width, old.width()), std::max(height, old.height()));
    if (grown != old) {
        QImage bigger(grown * Scale, QImage::Format_RGB32);
        bigger.setDevicePixelRatio(Scale);
        bigger.fill(background);
        QPainter(&bigger).drawImage(0, 0, CompositionBitmap);
        CompositionBitmap = std::move(bigger);
    }
    if (ScratchBitmap.size() != CompositionBitmap.size()) {
        ScratchBitmap = QImage(CompositionBitmap.size(), QImage::Format_RGB32);
        ScratchBitmap.setDevicePixelRatio(Scale);
        ScratchBitmap.fill(background);
    }
}

QRect DrawingSurfaces::DeviceRect(const QRect& rect) const {
    return {rect.topLeft() * Scale, rect.size() * Scale};
}

void DrawingSurfaces::DimBlend(QPainter& painter, const QRect& rect) const {
    if (DimAlpha == kUndimmedAlpha)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(rect, QColor(0, 0, 0, kUndimmedAlpha - DimAlpha));
    painter.restore();
}

uint32_t DimmedColour(uint32_t colour, uint8_t dimAlpha) {
    // Integer rounding: (2 x byte x alpha + 255) div 510 = round(byte x alpha / 255).
    auto scale = [dimAlpha](uint32_t byte) { return (2 * byte * dimAlpha + 255) / 510; };
    return (colour & 0xFF000000u) |
           RgbColour(scale(RedOf(colour)), scale(GreenOf(colour)), scale(BlueOf(colour)));
}

QColor ToQColor(uint32_t colour) {
    return QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)),
                  static_cast<int>(BlueOf(colour)));
}

void FillSpan(QPainter& painter, int32_t left, int32_t top, int32_t right, int32_t bottom,
              uint32_t colour) {
    painter.fillRect(left, top, right - left, bottom - top, ToQColor(colour));
}
