// Mouse buttons and the modifier set as the controls receive them.
#pragma once

#include <Qt>

#include <cstdint>

enum class MouseButton : uint8_t { Left = 0, Right = 1, Middle = 2, None = 255 };

// Compared exactly: Ctrl alone is not Ctrl with Shift.
struct ShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;

    constexpr bool operator==(const ShiftState&) const = default;
    static ShiftState FromQt(Qt::KeyboardModifiers modifiers) {
        return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
                modifiers.testFlag(Qt::ControlModifier)};
    }
};

// The button of a Qt mouse event; None for any button the controls do not know.
constexpr MouseButton MouseButtonFromQt(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::None;
    }
}
