#include "StylePalette.h"

#include "controls/BuiltInDrawings.h"
#include "controls/DrawingSurfaces.h"
#include "controls/StyleTables.h"
#include "controls/WatchGlyphs.h"

namespace {

// Default is the look the controls draw without a style, so that both agree.
StylePalette defaultPalette() {
    StylePalette p;
    p.name = QStringLiteral("Default");
    p.roomOdd = ToQColor(kOddSegmentCell);
    p.roomEven = ToQColor(kEvenSegmentCell);
    p.roomGrid = ToQColor(kCellGridLine);
    p.rulerBack = Qt::white;
    p.rulerTick = ToQColor(kRulerTickColour);
    p.watchBack = ToQColor(kWatchBackground);
    p.watchOutline = ToQColor(kWatchOutline);
    p.watchDigits = ToQColor(kWatchDigitColour);
    p.stripBack = QColor(223, 223, 223);
    p.stripLine = QColor(192, 192, 192);
    p.stripSeparator = QColor(245, 245, 245);
    p.struckCross = QColor(150, 150, 150);
    const CarrierStyle carrier;
    p.carrierBack = ToQColor(carrier.BG);
    p.carrierOutline = ToQColor(carrier.Outline);
    p.frame = QColor(192, 192, 192);
    p.pressedFrame = QColor(128, 128, 128);
    p.lit = QColor(255, 244, 176);
    p.glyphOutline = QColor(255, 255, 0);
    p.glyphFill = QColor(180, 180, 180);
    p.ballHighlight = Qt::white;
    p.icons = {QColor(0x4A, 0x50, 0x58), QColor(0x00, 0xB4, 0xF0), QColor(0xE0, 0x4A, 0x3C),
               Qt::white, Qt::white};
    return p;
}

// Night blue and violet, the lanes glowing on it.
StylePalette cosmicPalette() {
    StylePalette p;
    p.name = QStringLiteral("Cosmic");
    p.roomOdd = QColor(24, 26, 42);
    p.roomEven = QColor(30, 32, 52);
    p.roomGrid = QColor(48, 52, 80);
    p.rulerBack = QColor(18, 20, 34);
    p.rulerTick = QColor(96, 104, 150);
    p.watchBack = QColor(14, 16, 28);
    p.watchOutline = QColor(72, 78, 120);
    p.watchDigits = QColor(120, 230, 255);
    p.stripBack = QColor(34, 36, 58);
    p.stripLine = QColor(64, 68, 104);
    p.stripSeparator = QColor(42, 45, 72);
    p.struckCross = QColor(110, 114, 140);
    p.carrierBack = QColor(22, 24, 40);
    p.carrierOutline = QColor(72, 78, 120);
    p.frame = QColor(70, 76, 118);
    p.pressedFrame = QColor(150, 160, 230);
    p.lit = QColor(64, 48, 120);
    p.glyphOutline = QColor(170, 120, 255);
    p.glyphFill = QColor(120, 230, 255);
    p.ballSaturation = 0.8;
    p.ballValue = 1.0;
    p.ballHighlight = QColor(238, 238, 238);
    p.icons = {QColor(0x2E, 0x2A, 0x52), QColor(0x8A, 0x5C, 0xF0), QColor(0x18, 0xB8, 0xD8),
               QColor(0xF6, 0xF4, 0xFF), Qt::white};
    return p;
}

// Garden greens with a warm earth.
StylePalette veggyPalette() {
    StylePalette p;
    p.name = QStringLiteral("Veggy");
    p.roomOdd = QColor(250, 252, 242);
    p.roomEven = QColor(240, 247, 228);
    p.roomGrid = QColor(212, 228, 196);
    p.rulerBack = QColor(236, 244, 222);
    p.rulerTick = QColor(126, 160, 96);
    p.watchBack = QColor(222, 236, 200);
    p.watchOutline = QColor(120, 156, 90);
    p.watchDigits = QColor(46, 84, 30);
    p.stripBack = QColor(206, 226, 180);
    p.stripLine = QColor(150, 186, 120);
    p.stripSeparator = QColor(226, 238, 210);
    p.struckCross = QColor(140, 120, 96);
    p.carrierBack = QColor(240, 246, 228);
    p.carrierOutline = QColor(140, 170, 110);
    p.frame = QColor(156, 190, 126);
    p.pressedFrame = QColor(84, 122, 56);
    p.lit = QColor(252, 226, 150);
    p.glyphOutline = QColor(200, 120, 40);
    p.glyphFill = QColor(96, 150, 60);
    p.ballSaturation = 0.7;
    p.ballValue = 0.88;
    p.ballHighlight = QColor(248, 248, 248);
    p.icons = {QColor(0x3C, 0x4A, 0x2A), QColor(0x6A, 0xB0, 0x3C), QColor(0xE0, 0x8A, 0x28),
               QColor(0xFC, 0xFB, 0xEE), Qt::white};
    return p;
}

} // namespace

std::vector<StylePalette> ShippedPalettes() {
    return {defaultPalette(), cosmicPalette(), veggyPalette()};
}
