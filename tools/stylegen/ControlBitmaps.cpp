#include "ControlBitmaps.h"

#include "controls/BuiltInDrawings.h"
#include "controls/CarrierGlyphs.h"
#include "controls/DrawingSurfaces.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/WatchGlyphs.h"
#include "model/Colour.h"

#include <QPainter>

#include <functional>
#include <map>

namespace {

constexpr int kCarrierWidth = TTheCarrier::kWidth;
constexpr int kCarrierHeight = TTheCarrier::kHeight;
constexpr int kStripWidth = TTheLaneStrip::kWidth;
constexpr int kStrikeBox = 20;

// The built-in drawings use a few exact colours without antialiasing: each is swapped for the
// style's colour of the same role.
using ColourSwaps = std::map<QRgb, QColor>;

QImage recoloured(QImage image, const ColourSwaps& swaps) {
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto swap = swaps.find(line[x] | 0xFF000000u);
            if (swap != swaps.end())
                line[x] = swap->second.rgb();
        }
    }
    return image;
}

QImage drawn(QSize size, const QColor& background, const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    draw(painter);
    return image;
}

QRgb rgbOf(uint32_t colour) {
    return ToQColor(colour).rgb();
}

std::vector<NamedBitmap> roomAndRuler(const StylePalette& p) {
    const QSize cell(kCellSize, kCellSize);
    const ColourSwaps room{{rgbOf(kOddSegmentCell), p.roomOdd},
                           {rgbOf(kEvenSegmentCell), p.roomEven},
                           {rgbOf(kCellGridLine), p.roomGrid}};
    const ColourSwaps ruler{{QColor(Qt::white).rgb(), p.rulerBack},
                            {rgbOf(kRulerTickColour), p.rulerTick}};
    const auto roomCell = [&](bool even) {
        return recoloured(
            drawn(cell, Qt::white, [even](QPainter& q) { DrawPlainCell(q, 0, 0, even); }), room);
    };
    const auto rulerCell = [&](bool numbered) {
        return recoloured(
            drawn(cell, Qt::white,
                  [numbered](QPainter& q) { DrawRulerCell(q, 0, 0, numbered, kRulerTickColour); }),
            ruler);
    };
    return {{"Room.bmp", roomCell(false)},
            {"Room_Alt.bmp", roomCell(true)},
            {"Ruler.bmp", rulerCell(false)},
            {"Ruler_Alt.bmp", rulerCell(true)}};
}

std::vector<NamedBitmap> watch(const StylePalette& p) {
    const ColourSwaps swaps{{rgbOf(kWatchBackground), p.watchBack},
                            {rgbOf(kWatchOutline), p.watchOutline},
                            {rgbOf(kWatchDigitColour), p.watchDigits}};
    const QImage background = drawn(QSize(kWatchWidth, kWatchHeight), Qt::white, [](QPainter& q) {
        DrawBuiltInWatchBackground(q, QPoint(0, 0));
    });
    return {{"Watch.bmp", recoloured(background, swaps)},
            {"Watch_Digits.bmp", recoloured(BuiltInDigitStrip(), swaps)}};
}

// The carrier with every button in one state: up, lit or pressed. The control copies each
// button's box from the lit and pressed pictures. The built-in drawing gives the settle glyph
// the frame's colour and the roll glyph's core the pressed frame's, so a style's frames colour
// them too.
std::vector<NamedBitmap> carrier(const StylePalette& p) {
    const CarrierStyle style;
    const uint32_t glyph = RgbColour(180, 180, 180);
    const ColourSwaps swaps{{rgbOf(style.BG), p.carrierBack},
                            {rgbOf(style.Outline), p.carrierOutline},
                            {QColor(192, 192, 192).rgb(), p.frame},
                            {QColor(128, 128, 128).rgb(), p.pressedFrame},
                            {QColor(255, 244, 176).rgb(), p.lit},
                            {QColor(255, 255, 0).rgb(), p.glyphOutline},
                            {rgbOf(glyph), p.glyphFill}};
    const QSize size(kCarrierWidth, kCarrierHeight);
    const auto carrierWith = [&](const CarrierLook& look) {
        return drawn(size, Qt::white, [&](QPainter& q) {
            DrawBuiltInCarrier(q, QPoint(0, 0), size, style, glyph, look);
        });
    };
    QImage lit = carrierWith({true, true, CarrierButton::None});
    QImage pressed = carrierWith({});
    {
        QPainter painter(&pressed);
        // Exactly the boxes the control copies.
        for (const CarrierButton button : kCarrierButtons) {
            const QRect box = StyleButtonBox(style, button);
            painter.drawImage(box.topLeft(), carrierWith({false, false, button}), box);
        }
    }
    return {{"Carrier.bmp", recoloured(carrierWith({}), swaps)},
            {"Carrier_Alt.bmp", recoloured(lit, swaps)},
            {"Carrier_Down.bmp", recoloured(pressed, swaps)}};
}

// A ball in a 20-pixel cell: its body in a saturated colour that the lane's hue replaces, and a
// highlight without saturation, which keeps its colour. The mask is black where the ball is.
NamedBitmap ball(const QString& file, const StylePalette& p, QPointF centre, double shade) {
    const QColor body = QColor::fromHsvF(0, p.ballSaturation, p.ballValue * shade);
    // On the body's colour, so that the mask's soft edge fades the body and not a white rim.
    QImage image = drawn(QSize(kCellSize, kCellSize), body, [&](QPainter& q) {
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(Qt::NoPen);
        q.setBrush(body);
        q.drawEllipse(centre, 7.0, 7.0);
        q.setBrush(p.ballHighlight);
        q.drawEllipse(centre, 4.0, 4.0);
        // A small shine, up and to the left, in the body's colour made lighter.
        q.setBrush(QColor::fromHsvF(0, p.ballSaturation * 0.45, 1.0));
        q.drawEllipse(centre + QPointF(-1.5, -1.5), 1.5, 1.5);
    });
    return {file, image};
}

NamedBitmap maskOf(const QString& file, QPointF centre) {
    return {file, drawn(QSize(kCellSize, kCellSize), Qt::white, [centre](QPainter& q) {
                q.setRenderHint(QPainter::Antialiasing);
                q.setPen(Qt::NoPen);
                q.setBrush(Qt::black);
                q.drawEllipse(centre, 7.0, 7.0);
            })};
}

std::vector<NamedBitmap> balls(const StylePalette& p) {
    // The room centres a ball at (9, 9), the strike box at (10, 9); pixel centres lie at .5.
    const QPointF room(9.0, 9.0);
    const QPointF strip(10.0, 9.0);
    return {ball("Ball.bmp", p, room, 1.0),       ball("Ball_Alt.bmp", p, room, 0.86),
            maskOf("Ball_Mask.bmp", room),        maskOf("Ball_Mask_Alt.bmp", room),
            ball("Lane_Ball.bmp", p, strip, 1.0), ball("Lane_Ball_Alt.bmp", p, strip, 0.86),
            maskOf("Lane_Ball_Mask.bmp", strip),  maskOf("Lane_Ball_Mask_Alt.bmp", strip)};
}

// One row of the lane strip: the strike box and the name's field, with their lines.
QImage laneRow(const StylePalette& p) {
    return drawn(QSize(kStripWidth, kCellSize), p.stripBack, [&](QPainter& q) {
        q.fillRect(0, kCellSize - 1, kStripWidth, 1, p.stripSeparator);
        q.fillRect(kStrikeBox - 1, 0, 1, kCellSize, p.stripLine);
        q.fillRect(kStripWidth - 1, 0, 1, kCellSize, p.stripLine);
    });
}

// A struck lane's box: a cross in the style's grey on the strip's face.
QImage struckBox(const StylePalette& p) {
    const QImage row = laneRow(p);
    return drawn(QSize(kStrikeBox, kCellSize), p.stripBack, [&](QPainter& q) {
        q.drawImage(0, 0, row, 0, 0, kStrikeBox, kCellSize);
        QPen pen(p.struckCross, 2.5, Qt::SolidLine, Qt::RoundCap);
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(pen);
        q.drawLine(QPointF(5, 4), QPointF(14, 13));
        q.drawLine(QPointF(14, 4), QPointF(5, 13));
    });
}

// A struck lane's room cell: the cell with a faint diagonal hatch.
QImage struckCell(const StylePalette& p, bool even) {
    return drawn(QSize(kCellSize, kCellSize), even ? p.roomEven : p.roomOdd, [&](QPainter& q) {
        q.fillRect(kCellSize - 1, 0, 1, kCellSize, p.roomGrid);
        q.fillRect(0, kCellSize - 1, kCellSize, 1, p.roomGrid);
        q.setPen(p.roomGrid);
        for (int k = -kCellSize; k < kCellSize; k += 5)
            q.drawLine(k, kCellSize - 2, k + kCellSize - 2, 0);
    });
}

} // namespace

std::vector<NamedBitmap> ControlBitmaps(const StylePalette& palette) {
    std::vector<NamedBitmap> all = roomAndRuler(palette);
    for (auto* part : {&watch, &carrier, &balls})
        for (NamedBitmap& bitmap : (*part)(palette))
            all.push_back(std::move(bitmap));
    all.push_back({"Lane.bmp", laneRow(palette)});
    all.push_back({"Lane_Strike_Gray.bmp", struckBox(palette)});
    all.push_back({"Striked.bmp", struckCell(palette, false)});
    all.push_back({"Striked_Alt.bmp", struckCell(palette, true)});
    return all;
}
