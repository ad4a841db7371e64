// The colours each shipped style gives the pictures the generator draws.
#pragma once

#include "MenuIconArt.h"

#include <QColor>
#include <QString>

#include <vector>

struct StylePalette {
    QString name; // the style's folder under interior/
    // Room cells in odd and even time segments, and their grid lines.
    QColor roomOdd, roomEven, roomGrid;
    QColor rulerBack, rulerTick;
    QColor watchBack, watchOutline, watchDigits;
    // The lane strip's rows, their lines, and a struck lane's cross.
    QColor stripBack, stripLine, stripSeparator, struckCross;
    // The carrier: its face and outline, the buttons' frames (up and pressed), a lit button, and
    // the glyphs' outline and fill.
    QColor carrierBack, carrierOutline, frame, pressedFrame, lit, glyphOutline, glyphFill;
    // A ball's body keeps this saturation and value whatever the lane's hue; its highlight is a
    // grey, which no hue changes.
    double ballSaturation = 2.0 / 3.0;
    double ballValue = 1.0;
    QColor ballHighlight;
    // The menu icons, on the menus' white.
    IconPalette icons;
};

// Default, Cosmic and Veggy, in the order the settings list them.
std::vector<StylePalette> ShippedPalettes();
