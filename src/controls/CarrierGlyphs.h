// The carrier's built-in pictures, drawn when the style has no carrier bitmaps.
#pragma once

#include "controls/StyleTables.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

class QPainter;

enum class CarrierButton { Roll, Pause, Settle, Past, Future, None };
// The buttons from left to right, the order in which a press is tested.
inline constexpr CarrierButton kCarrierButtons[] = {CarrierButton::Roll, CarrierButton::Pause,
                                                    CarrierButton::Settle, CarrierButton::Past,
                                                    CarrierButton::Future};

// How the buttons look now: lit (Roll while rolling or paused, Pause while paused) and the one
// shown pressed.
struct CarrierLook {
    bool rollLit = false;
    bool pauseLit = false;
    CarrierButton down = CarrierButton::None;
};

// A button's box in a style's carrier pictures, which is where the carrier copies a lit or
// pressed button from; the boxes of the buttons do not overlap.
QRect StyleButtonBox(const CarrierStyle& style, CarrierButton button);

// The X offset inside the carrier of a button's built-in 24 x 24 box (its frame starts 3 pixels
// further right and down); Past mirrors Future into the 24 pixels left of x = 119.
int32_t BuiltInBoxX(CarrierButton button);
constexpr int32_t kBuiltInBoxY = 4;

// The whole carrier at topLeft: the outline along the top and right edges, the background, and
// each button's glyph in its box. A lit box is filled pale yellow; a pressed one has a grey
// frame and its glyph one pixel down and right.
void DrawBuiltInCarrier(QPainter& painter, QPoint topLeft, QSize size, const CarrierStyle& style,
                        uint32_t pointColour, const CarrierLook& look);
