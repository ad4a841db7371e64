// The words the watch flashes when typing ends, drawn from small blocks over places 2 to 7.
#pragma once

#include <QPoint>

class QPainter;

// What the flash tells: the value was taken, typing was cancelled, the value was taken but held
// inside its range, or the command applied the value itself.
enum class FlashState { Committed = 0, Cancelled = 1, Clamped = 2, Applied = 3 };

// The word of a state ("DONE", "UNDO", "LIMIT", "SET").
const char* FlashWord(FlashState state);
// Draws the word's blocks in the digit colour over the places of a watch at topLeft; the places
// are expected to show blanks.
void DrawFlashPattern(QPainter& painter, QPoint topLeft, FlashState state);
