// The main window's title, built from the plan's state.
#pragma once

#include <QString>
#include <QStringList>

class TThePlan;

// What the title shows beyond the plan.
struct TitleState {
    bool normalMode = true;     // the window is not in one of its special modes
    QStringList renderProgress; // one progress text per running rendering, without "%"
};

// The handle, or the file's name with its folder once loaded or saved; " - " and the program's
// name; "* " in front while modified; the mode and the renderings behind.
QString PlanTitle(const TThePlan& plan, const TitleState& state);
