// The images every control draws on, and the dimming they are drawn with.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>

class QPainter;

// DimAlpha 255 draws as is; 153 darkens by 102/255.
constexpr uint8_t kUndimmedAlpha = 255;
constexpr uint8_t kDimmedAlpha = 153;
constexpr uint8_t kDimAlphaStep = 17;

// UI thread only.
class DrawingSurfaces {
public:
    // The image of the whole client area; the window copies rectangles of it to the screen. It
    // has Scale device pixels to a window pixel, so that a scaled screen shows text and lines
    // drawn at its own resolution and bitmaps enlarged by whole pixels.
    QImage CompositionBitmap;
    // The same size as the composition; dimmed controls are blended here first.
    QImage ScratchBitmap;
    uint8_t DimAlpha = kUndimmedAlpha;
    int Scale = 1;

    // Makes the composition at least this large in window pixels, never smaller, keeping what it
    // shows; new pixels get the background. Another scale starts both images afresh. The scratch
    // image takes the composition's size.
    void GrowTo(int width, int height, const QColor& background, int scale = 1);

    // A rectangle of window pixels as device pixels of the images.
    QRect DeviceRect(const QRect& rect) const;

    // Darkens the rectangle towards black by 255 - DimAlpha, with one constant alpha.
    void DimBlend(QPainter& painter, const QRect& rect) const;
};

// Red, green and blue each scaled by dimAlpha / 255 and rounded; the fourth byte stays.
uint32_t DimmedColour(uint32_t colour, uint8_t dimAlpha);

// A style colour (red in the low byte) as Qt takes it.
QColor ToQColor(uint32_t colour);

// Fills the pixels from left to right - 1 and from top to bottom - 1 with a style colour.
void FillSpan(QPainter& painter, int32_t left, int32_t top, int32_t right, int32_t bottom,
              uint32_t colour);
