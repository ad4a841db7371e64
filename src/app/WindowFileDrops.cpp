// Where a dropped file goes.
#include "app/WindowFileDrops.h"

#include "commands/BallPlacing.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"

namespace {

bool under(const TCtrl* control, QPoint at) {
    return control && control->Visible && control->BoundsRect.Contains(at.x(), at.y());
}

} // namespace

void WindowFileDrops::OpenPlanFile(const QString& name) {
    if (m_openPlan)
        m_openPlan(name);
}

void WindowFileDrops::DropSoundFile(const QString& name, QPoint at) {
    if (!m_interior)
        return;
    if (TTheLaneStrip* strip = TheLaneStripOf(*m_interior); under(strip, at)) {
        if (TLane* lane = strip->LaneAtY(at.y()))
            strip->SetLaneSoundFile(*lane, name);
        else
            strip->AddLaneWithSoundFile(
                strip->Model().lanes.RowAtPixel(at.y(), strip->BoundsRect.Top), name);
        return;
    }
    if (TTheRoom* room = TheRoomOf(*m_interior); under(room, at)) {
        if (m_balls.DropFileOnCell(room->ColumnAt(at.x()), room->RowAt(at.y()), true, name))
            room->RepaintWhole(); // a split file adds balls on several rows
    }
}
