// Files dropped on the window: plans open, sound files go to the lane or the room cell under
// the drop.
#pragma once

#include "app/FileDropLink.h"

#include <functional>

class BallPlacing;
class TTheInterior;

// UI thread only; the ball operations outlive it.
class WindowFileDrops final : public FileDropLink {
public:
    using PlanOpener = std::function<void(const QString& name)>;

    explicit WindowFileDrops(BallPlacing& balls) : m_balls(balls) {}
    // The window's controls, once they exist; none: sound files go nowhere.
    void AttachInterior(const TTheInterior* interior) { m_interior = interior; }
    // The open-plan-file operation; until one is set, dropped plans open nothing.
    void SetPlanOpener(PlanOpener opener) { m_openPlan = std::move(opener); }

    // FileDropLink
    void OpenPlanFile(const QString& name) override;
    // Over the lane strip: a row without a lane gets one with the file, a lane takes the file.
    // Over the room: the file goes on the cell (DropFileOnCell). Elsewhere nothing happens.
    void DropSoundFile(const QString& name, QPoint at) override;

private:
    BallPlacing& m_balls;
    const TTheInterior* m_interior = nullptr;
    PlanOpener m_openPlan;
};
