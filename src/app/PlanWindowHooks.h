// What the plan tells the main window: the title to rebuild, the room to repaint, the loudness
// slider to move.
#pragma once

#include "model/WindowHooks.h"

class TGlorinbaxMF;
class TTheRoom;

// Made before the arrangement that takes it; the window and the room are attached once they
// exist and detached before they go. UI thread only.
class PlanWindowHooks : public WindowHooks {
public:
    void Attach(TGlorinbaxMF* window, TTheRoom* room) {
        m_window = window;
        m_room = room;
    }

    void TitleChanged() override;
    void RepaintRoom() override;
    void SyncLoudnessSlider() override;
    // A value typed into the watch may be one of the ball's piece.
    void BallRemoved(const TBall& ball) override;

private:
    TGlorinbaxMF* m_window = nullptr;
    TTheRoom* m_room = nullptr;
};
