// The pictures controls draw when their style has no bitmap; the style generator draws the
// Default style's bitmaps with the same code, so both look alike.
#pragma once

#include "model/Colour.h"

#include <QPoint>

#include <cstdint>

class QPainter;

constexpr uint32_t kOddSegmentCell = RgbColour(255, 255, 255);
constexpr uint32_t kEvenSegmentCell = RgbColour(251, 251, 251);
constexpr uint32_t kCellGridLine = RgbColour(229, 229, 229);
constexpr uint32_t kRulerTickColour = RgbColour(180, 180, 180);
constexpr int kCellSize = 20;
constexpr int kRulerHeight = 20;

// A 20 x 20 room cell: white in odd time segments, 251 grey in even ones, with one-pixel grid
// lines along its right and bottom edges.
void DrawPlainCell(QPainter& painter, int x, int y, bool evenSegment);
// A ball without a picture: a 14-pixel round dot in its colour with a white 8-pixel dot over it.
void DrawBallDot(QPainter& painter, QPoint centre, uint32_t colour);
// A ruler cell at x, 20 pixels high: white, nine short ticks, a bottom line and a right line
// that runs from the middle down, or from the top for a numbered cell.
void DrawRulerCell(QPainter& painter, int x, int top, bool numbered, uint32_t tickColour);
