// Drawing the flags: their lines across the ruler and the room, and their captions in the
// ruler's band.
#pragma once

#include "controls/RoomNeighbours.h"

#include <QFont>

#include <cstdint>

class QPainter;
class QRect;
class TRoomState;
struct FlagsStyle;

// The captions' font: the ruler's font at size 5.
QFont FlagCaptionFont(const QString& rulerFontFamily);
// The height of the caption boxes: the text height of "W" in that font, plus 1.
int FlagCaptionHeight(const QFont& font);

// The start and end flags take the style's colours for the repeat mode; with repeat off, the
// "Off" colours.
void ColourStartAndEndFlags(TRoomState& room, const FlagsStyle& style, bool repeatOn);

// Draws every flag whose column lies between the ruler's flag area and the room's right edge,
// clipped to the area; a flag's line runs down to the first bottom control over its column.
void PaintFlags(QPainter& painter, const TRoomState& room, const RoomNeighbours& n,
                const QRect& area, const QFont& captionFont);
