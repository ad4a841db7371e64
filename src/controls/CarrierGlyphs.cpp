// The built-in carrier: boxes and vector glyphs in the style's colours.
#include "controls/CarrierGlyphs.h"

#include "controls/DrawingSurfaces.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr uint32_t kYellow = RgbColour(255, 255, 0);
constexpr uint32_t kSilver = RgbColour(192, 192, 192);
constexpr uint32_t kGrey = RgbColour(128, 128, 128);
constexpr uint32_t kLit = RgbColour(255, 244, 176);

void polygon(QPainter& p, const QPolygon& shape, uint32_t outline, uint32_t fill) {
    p.setPen(ToQColor(outline));
    p.setBrush(ToQColor(fill));
    p.drawPolygon(shape);
}

void rect(QPainter& p, const QRect& r, uint32_t outline, uint32_t fill) {
    p.setPen(ToQColor(outline));
    p.setBrush(ToQColor(fill));
    p.drawRect(r);
}

// Glyphs inside the frame whose top left is (x, y).
void roll(QPainter& p, int x, int y, uint32_t pointColour) {
    polygon(p, QPolygon({{x + 7, y + 4}, {x + 18, y + 11}, {x + 7, y + 18}}), kYellow, pointColour);
    polygon(p, QPolygon({{x + 9, y + 8}, {x + 14, y + 11}, {x + 9, y + 14}}), kGrey, kGrey);
}

void pause(QPainter& p, int x, int y, uint32_t pointColour) {
    rect(p, QRect(x + 6, y + 5, 4, 12), kYellow, pointColour);
    rect(p, QRect(x + 13, y + 5, 4, 12), kYellow, pointColour);
}

void settle(QPainter& p, int x, int y) {
    rect(p, QRect(x + 5, y + 5, 12, 12), kYellow, kSilver);
    rect(p, QRect(x + 7, y + 7, 8, 8), kGrey, kSilver);
}

void future(QPainter& p, int x, int y, uint32_t pointColour) {
    polygon(p, QPolygon({{x + 4, y + 5}, {x + 11, y + 11}, {x + 4, y + 17}}), kYellow, pointColour);
    polygon(p, QPolygon({{x + 11, y + 5}, {x + 18, y + 11}, {x + 11, y + 17}}), kYellow,
            pointColour);
}

} // namespace

int32_t BuiltInBoxX(CarrierButton button) {
    switch (button) {
    case CarrierButton::Roll:
        return 9;
    case CarrierButton::Pause:
        return 37;
    case CarrierButton::Settle:
        return 65;
    case CarrierButton::Past:
        return 92;
    case CarrierButton::Future:
    case CarrierButton::None:
        break;
    }
    return 121;
}

void DrawBuiltInCarrier(QPainter& painter, QPoint topLeft, QSize size, const CarrierStyle& style,
                        uint32_t pointColour, const CarrierLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(topLeft);
    const int right = size.width() - 1;
    painter.fillRect(QRect(0, 1, right, size.height() - 1), ToQColor(style.BG));
    painter.setPen(ToQColor(style.Outline));
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(right, 0, right, size.height() - 1);

    for (const CarrierButton button : kCarrierButtons) {
        const bool lit = (button == CarrierButton::Roll && look.rollLit) ||
                         (button == CarrierButton::Pause && look.pauseLit);
        const bool down = button == look.down;
        // The frame spans (x + 3, y + 3) to (x + 27, y + 27).
        const int x = BuiltInBoxX(button) + 3;
        const int y = kBuiltInBoxY + 3;
        rect(painter, QRect(x, y, 24, 24), down ? kGrey : kSilver, lit ? kLit : style.BG);
        const int gx = x + 1 + (down ? 1 : 0);
        const int gy = y + 1 + (down ? 1 : 0);
        switch (button) {
        case CarrierButton::Roll:
            roll(painter, gx, gy, pointColour);
            break;
        case CarrierButton::Pause:
            pause(painter, gx, gy, pointColour);
            break;
        case CarrierButton::Settle:
            settle(painter, gx, gy);
            break;
        case CarrierButton::Past: {
            // Future's glyph, mirrored about the box's middle.
            painter.save();
            painter.translate(2 * gx + 22, 0);
            painter.scale(-1, 1);
            future(painter, gx, gy, pointColour);
            painter.restore();
            break;
        }
        case CarrierButton::Future:
        case CarrierButton::None:
            future(painter, gx, gy, pointColour);
            break;
        }
    }
    painter.restore();
}
