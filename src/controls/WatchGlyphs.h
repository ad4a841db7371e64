// The watch's pictures: the digit strip and the background, from the style or built in.
#pragma once

#include "model/Colour.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>

class DrawingSurfaces;
class QPainter;

constexpr int kWatchWidth = 120;
constexpr int kWatchHeight = 38;
constexpr int kGlyphWidth = 8;
constexpr int kGlyphHeight = 14;
constexpr int kGlyphCount = 13; // blank, 0 .. 9, minus, third-group mark
constexpr uint32_t kWatchBackground = RgbColour(250, 250, 250);
constexpr uint32_t kWatchOutline = RgbColour(178, 178, 178);
constexpr uint32_t kWatchDigitColour = RgbColour(64, 64, 64);

// Where the seven places stand, from the watch's top left.
QPoint WatchPlace(int place); // place 1 .. 7

// The glyph number of a character (c - '/'); characters outside the strip give the blank.
int GlyphOf(QChar c);

// The strip the watch draws when its style has none: seven-segment digits in thin bars.
QImage BuiltInDigitStrip();
// The background without a style picture: filled, outlined along the top and the right, with
// the two separators between the groups.
void DrawBuiltInWatchBackground(QPainter& painter, QPoint topLeft);

// Copies the glyphs of a text (see WatchDigitText.h) to the places of a watch at topLeft;
// dimmed, each glyph is darkened with the surfaces' dim blend.
void DrawWatchText(QPainter& painter, const QImage& strip, QPoint topLeft, const QString& text,
                   const DrawingSurfaces* dimmedBy);
