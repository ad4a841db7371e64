// The plan's news for the window.
#include "app/PlanWindowHooks.h"

#include "app/MainWindow.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Balls.h"

void PlanWindowHooks::TitleChanged() {
    if (m_window)
        m_window->RefreshTitleSoon();
}

void PlanWindowHooks::RepaintRoom() {
    if (m_room)
        m_room->RepaintWhole();
}

// The slider reads the plan itself: a lane it shows keeps its place.
void PlanWindowHooks::SyncLoudnessSlider() {
    if (TTheSlider* slider = m_window ? TheSliderOf(m_window->Interior()) : nullptr)
        slider->SyncToPlan();
}

void PlanWindowHooks::BallRemoved(const TBall& ball) {
    const TPiece* own = ball.OwnPiece();
    if (TTheWatch* watch = own && m_window ? TheWatchOf(m_window->Interior()) : nullptr)
        watch->Typer().PieceGoes(*own);
}
