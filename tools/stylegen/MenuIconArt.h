// The menu icons of a style, drawn at 16 or 12 pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

struct IconPalette {
    QColor ink;        // outlines and strokes
    QColor accent;     // the main colour of a glyph
    QColor accent2;    // a second colour (warnings, stop, delete)
    QColor paper;      // fills of sheets and boxes
    QColor background; // what surrounds the glyph: the BMP has no alpha, so it is filled with this
};

// One icon by its file's name without ".bmp", `size` 16 or 12 pixels square, opaque
// (Format_RGB32); a null image for a name without a glyph.
QImage DrawMenuIcon(const QString& name, int size, const IconPalette& palette);
