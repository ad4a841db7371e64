// A three-by-five block letter per character, each block two pixels square.
#include "controls/FlashPatterns.h"

#include "controls/DrawingSurfaces.h"
#include "controls/WatchDigitText.h"
#include "controls/WatchGlyphs.h"

#include <QPainter>

#include <array>
#include <cstring>

namespace {

struct BlockLetter {
    char letter;
    std::array<uint8_t, 5> rows; // three bits a row, the highest on the left
};

constexpr std::array<BlockLetter, 12> kLetters{{
    {'D', {0b110, 0b101, 0b101, 0b101, 0b110}},
    {'O', {0b111, 0b101, 0b101, 0b101, 0b111}},
    {'N', {0b110, 0b101, 0b101, 0b101, 0b101}},
    {'E', {0b111, 0b100, 0b110, 0b100, 0b111}},
    {'U', {0b101, 0b101, 0b101, 0b101, 0b111}},
    {'L', {0b100, 0b100, 0b100, 0b100, 0b111}},
    {'I', {0b111, 0b010, 0b010, 0b010, 0b111}},
    {'M', {0b101, 0b111, 0b111, 0b101, 0b101}},
    {'T', {0b111, 0b010, 0b010, 0b010, 0b010}},
    {'S', {0b111, 0b100, 0b111, 0b001, 0b111}},
    {'P', {0b111, 0b101, 0b111, 0b100, 0b100}},
    {'C', {0b111, 0b100, 0b100, 0b100, 0b111}},
}};
constexpr int kBlock = 2;
constexpr int kFirstPlace = 2;
constexpr int kPlacesShown = kWatchPlaces - kFirstPlace + 1;

const BlockLetter* letterOf(char c) {
    for (const BlockLetter& letter : kLetters)
        if (letter.letter == c)
            return &letter;
    return nullptr;
}

} // namespace

const char* FlashWord(FlashState state) {
    switch (state) {
    case FlashState::Committed:
        return "DONE";
    case FlashState::Cancelled:
        return "UNDO";
    case FlashState::Clamped:
        return "LIMIT";
    case FlashState::Applied:
        return "SET";
    }
    return "";
}

void DrawFlashPattern(QPainter& painter, QPoint topLeft, FlashState state) {
    const char* word = FlashWord(state);
    const int length = static_cast<int>(std::strlen(word));
    const int firstPlace = kFirstPlace + (kPlacesShown - length) / 2;
    const QColor colour = ToQColor(kWatchDigitColour);
    for (int i = 0; i < length; ++i) {
        const BlockLetter* letter = letterOf(word[i]);
        if (!letter)
            continue;
        const QPoint place = topLeft + WatchPlace(firstPlace + i) + QPoint(1, 2);
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                if (letter->rows[row] & (0b100 >> column))
                    painter.fillRect(place.x() + column * kBlock, place.y() + row * kBlock, kBlock,
                                     kBlock, colour);
    }
}
