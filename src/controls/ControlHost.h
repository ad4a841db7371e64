// What the controls and the interior ask of the main window that carries them.
#pragma once

#include "controls/Geometry.h"

#include <QRect>

// The main window implements it; UI thread only.
class ControlHost {
public:
    virtual ~ControlHost() = default;

    // The area the controls lay themselves out in (set by the window's layout).
    virtual const TLayoutRect& LayoutRect() const = 0;
    // Copies a rectangle of the composition image to the screen.
    virtual void CopyToWindow(const QRect& rect) = 0;
    // The window's layout step: bounds, composition size, full repaint, minimum size.
    virtual void Relayout() = 0;
    // The full repaint sequence; with full, every control recomputes its bounds first.
    virtual void RelayoutAndRepaint(bool full) = 0;
    // The animated dim (darkening) or undim (brightening back) of the controls.
    virtual void AnimateDim(bool dim) = 0;
    // Full-screen mode: the ruler carries the program's icon at its left end.
    virtual bool FullScreen() const = 0;
    // The four-way move cursor is shown (a key held): a press in the room drags the view.
    virtual bool MoveAllCursorShown() const = 0;
};
