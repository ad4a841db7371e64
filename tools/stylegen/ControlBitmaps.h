// Every bitmap the controls take from a style, drawn in a style's colours.
#pragma once

#include "StylePalette.h"

#include <QImage>
#include <QString>

#include <vector>

struct NamedBitmap {
    QString file; // e.g. "Room.bmp"
    QImage image;
};

// The controls' built-in drawings, recoloured, and the balls, lane rows and struck boxes drawn
// for the style. Each image has the size its control draws.
std::vector<NamedBitmap> ControlBitmaps(const StylePalette& palette);
