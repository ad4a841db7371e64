// A window's placement kept in the program settings: its state, its normal bounds and the screen
// layout they were saved under.
#pragma once

#include <QRect>
#include <QString>

class QWidget;
class TWideCustomIniFile;

enum class PlacementState : int { Normal = 0, Minimised = 1, Maximised = 2 };

struct WindowPlacement {
    PlacementState state = PlacementState::Normal;
    QRect normalBounds;      // the client area when the window is neither minimised nor maximised
    bool positioned = false; // the position counts; else the system places the window
};

// The screens as one text, each "left,top,width,height", joined by ";".
QString ScreenLayoutText();

// Keys State, Left, Top, Width, Height and Screens of the window's section.
void SavePlacement(TWideCustomIniFile& store, const QString& section,
                   const WindowPlacement& placement, const QString& screenLayout);
// The saved placement; what is missing or unusable comes from the fallback. A position saved
// under another screen layout could lie off every screen: then only the size is taken.
WindowPlacement ReadPlacement(const TWideCustomIniFile& store, const QString& section,
                              const WindowPlacement& fallback, const QString& screenLayout);

// The placement a window has now; a window in a special mode passes the state it remembers.
WindowPlacement PlacementOf(const QWidget& window);
// Gives the window its normal size, and its position when that is known; the state is applied
// when the window is shown.
void ApplyBounds(QWidget& window, const WindowPlacement& placement);
// Shows the window minimised, maximised or plainly.
void ShowInState(QWidget& window, PlacementState state);
