// The plan's news for the window.
#include "app/PlanWindowHooks.h"

#include "app/MainWindow.h"
#include "controls/TheRoom.h"

void PlanWindowHooks::TitleChanged() {
    if (m_window)
        m_window->RefreshTitleSoon();
}

void PlanWindowHooks::RepaintRoom() {
    if (m_room)
        m_room->RepaintWhole();
}
