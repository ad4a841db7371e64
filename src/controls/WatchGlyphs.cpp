// Drawing the watch's built-in pictures and copying glyphs from the strip.
#include "controls/WatchGlyphs.h"

#include "controls/DrawingSurfaces.h"
#include "controls/WatchDigitText.h"

#include <QPainter>

#include <array>

namespace {

constexpr std::array<int, kWatchPlaces> kPlaceX{23, 33, 53, 63, 83, 93, 103};
constexpr int kPlaceY = 17;

// Seven segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<QRect, 7> kSegments{QRect(1, 0, 6, 2),  QRect(5, 0, 2, 8), QRect(5, 6, 2, 8),
                                         QRect(1, 12, 6, 2), QRect(1, 6, 2, 8), QRect(1, 0, 2, 8),
                                         QRect(1, 6, 6, 2)};
// Bit n lights segment n.
constexpr std::array<uint8_t, 10> kDigitSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr uint8_t kMinusSegments = 0x40;

void drawSegments(QPainter& painter, int glyph, uint8_t segments) {
    for (int s = 0; s < 7; ++s)
        if (segments & (1 << s))
            painter.fillRect(kSegments[s].translated(glyph * kGlyphWidth, 0),
                             ToQColor(kWatchDigitColour));
}

} // namespace

QPoint WatchPlace(int place) {
    return {kPlaceX.at(place - 1), kPlaceY};
}

int GlyphOf(QChar c) {
    const int glyph = c.unicode() - kWatchBlank;
    return glyph >= 0 && glyph < kGlyphCount ? glyph : 0;
}

QImage BuiltInDigitStrip() {
    QImage strip(kGlyphWidth * kGlyphCount, kGlyphHeight, QImage::Format_RGB32);
    strip.fill(ToQColor(kWatchBackground));
    QPainter painter(&strip);
    for (int digit = 0; digit < 10; ++digit)
        drawSegments(painter, GlyphOf(QChar(u'0' + digit)), kDigitSegments[digit]);
    drawSegments(painter, GlyphOf(QChar(kWatchMinus)), kMinusSegments);
    painter.fillRect(GlyphOf(QChar(kWatchMark)) * kGlyphWidth + 3, 10, 2, 4,
                     ToQColor(kWatchDigitColour));
    return strip;
}

void DrawBuiltInWatchBackground(QPainter& painter, QPoint topLeft) {
    const QRect area(topLeft, QSize(kWatchWidth, kWatchHeight));
    painter.fillRect(area, ToQColor(kWatchBackground));
    painter.fillRect(QRect(area.topLeft(), QSize(kWatchWidth, 1)), ToQColor(kWatchOutline));
    painter.fillRect(QRect(area.right(), area.top(), 1, kWatchHeight), ToQColor(kWatchOutline));
    // A colon between the minutes and the seconds, a point before the milliseconds.
    const QColor dots = ToQColor(kWatchDigitColour);
    painter.fillRect(QRect(topLeft + QPoint(45, 20), QSize(2, 2)), dots);
    painter.fillRect(QRect(topLeft + QPoint(45, 26), QSize(2, 2)), dots);
    painter.fillRect(QRect(topLeft + QPoint(75, 29), QSize(2, 2)), dots);
}

void DrawWatchText(QPainter& painter, const QImage& strip, QPoint topLeft, const QString& text,
                   const DrawingSurfaces* dimmedBy) {
    for (int i = 0; i < text.size() && i < kWatchPlaces; ++i) {
        const QRect target(topLeft + WatchPlace(i + 1), QSize(kGlyphWidth, kGlyphHeight));
        painter.drawImage(target.topLeft(), strip,
                          QRect(GlyphOf(text.at(i)) * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight));
        if (dimmedBy)
            dimmedBy->DimBlend(painter, target);
    }
}
