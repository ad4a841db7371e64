// Placing and removing balls, and sound files put on the room's cells.
#include "commands/BallPlacing.h"

#include "controls/Interior.h"
#include "controls/RoomRowPainter.h"
#include "controls/TheLaneStrip.h"
#include "model/Arrangement.h"
#include "model/LaneEdits.h"
#include "support/SettingKeys.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace {

int randomSide() {
    return QRandomGenerator::global()->bounded(2) == 0 ? -1 : 1;
}

bool isMultitrackOgg(const QString& file) {
    return QFileInfo(file).suffix().toLower() == QLatin1String("mogg");
}

} // namespace

TBall* PlaceBall(Arrangement& arrangement, int32_t column, int32_t row, bool altHeld,
                 TRes* resource, RoomRowPainter* painter) {
    const int64_t x = int64_t{column} - arrangement.room.OffsetX;
    const int64_t y = int64_t{row} - arrangement.room.OffsetY;
    TBall* ball = arrangement.balls.Add(x, y, TPiece::kNoOwnHue, false);
    if (!ball)
        return nullptr;
    TBall* second = nullptr;
    if (!ball->Lane() && altHeld)
        second =
            arrangement.balls.Add(x + randomSide(), y + randomSide(), TPiece::kNoOwnHue, false);
    arrangement.plan.SetModified(kChangeBallPlaced, true);
    if (resource) {
        MixerLock lock(arrangement.audio);
        ball->EditPiece().Resource = resource;
    }
    if (painter)
        painter->RepaintRow(ball->Y(), second);
    arrangement.audio.ArmBall(*ball);
    return ball;
}

bool RemoveBallAtCell(Arrangement& arrangement, int32_t column, int32_t row, int32_t changeCode,
                      RoomRowPainter* painter) {
    const int64_t y = int64_t{row} - arrangement.room.OffsetY;
    if (!arrangement.balls.RemoveAt(column, row, true))
        return false;
    arrangement.plan.SetModified(changeCode, true);
    if (painter)
        painter->RepaintRow(static_cast<int32_t>(y), nullptr);
    return true;
}

TBall* BallPlacing::PlaceBall(int32_t column, int32_t row, bool altHeld, RoomRowPainter& painter) {
    return ::PlaceBall(m_arrangement, column, row, altHeld, nullptr, &painter);
}

bool BallPlacing::RemoveBallAtCell(int32_t column, int32_t row, int32_t changeCode,
                                   RoomRowPainter& painter) {
    return ::RemoveBallAtCell(m_arrangement, column, row, changeCode, &painter);
}

bool BallPlacing::DropFileOnCell(int32_t column, int32_t row, bool refresh, const QString& file) {
    const QString name = QFileInfo(file).absoluteFilePath();
    const bool known = m_arrangement.resources.Find(name) != nullptr;
    // A file that does not decode would leave a silent ball naming it in the plan.
    TRes* resource = m_arrangement.resources.FindOrAddSound(name, folders());
    if (!resource)
        return false;
    if (TBall* ball = ::PlaceBall(m_arrangement, column, row, false, resource, nullptr)) {
        if (TLane* lane = ball->Lane()) {
            if (refresh)
                refreshLane(*lane);
        } else if (addLaneForFile(ball->Y(), ball->X(), file, refresh)) {
            m_arrangement.balls.SetResource(*ball, nullptr); // it sounds the lane's file
        }
        return true;
    }
    TBall* there = m_arrangement.balls.FindAtCell(column, row);
    if (TLane* lane = there ? there->Lane() : nullptr) {
        m_arrangement.plan.SetModified(kChangeBallOwnFile, true);
        m_arrangement.balls.SetResource(*there, resource);
        if (refresh)
            refreshLane(*lane);
        return true;
    }
    if (there && addLaneForFile(there->Y(), there->X(), file, refresh)) {
        m_arrangement.plan.SetModified(kChangeLaneAdded, true);
        return true;
    }
    // Outside the balls' range, or no lane: nothing sounds the file.
    if (!known)
        m_arrangement.resources.Delete(*resource);
    return false;
}

bool BallPlacing::addLaneForFile(int32_t row, int32_t column, const QString& file, bool refresh) {
    TLane* lane = AddLaneWithSoundFile(m_arrangement, row, file, folders());
    if (!lane)
        return false;
    std::vector<TLane*> changed{lane};
    if (isMultitrackOgg(file)) {
        const std::vector<TLane*> added = SplitLaneTracks(m_arrangement, *lane, column);
        changed.insert(changed.end(), added.begin(), added.end());
    }
    if (refresh)
        for (const TLane* each : changed)
            refreshLane(*each);
    return true;
}

ResourceFolders BallPlacing::folders() const {
    return PlanResourceFolders(m_arrangement.plan, ReadDefaultResourcesFolder(m_settings));
}

void BallPlacing::refreshLane(const TLane& lane) const {
    if (!m_interior)
        return;
    if (TTheLaneStrip* strip = TheLaneStripOf(*m_interior))
        strip->RefreshLane(lane);
}
