// Strike and solo, slider values, hue, and lanes for sound files.
#include "model/LaneEdits.h"

#include "model/Arrangement.h"
#include "model/SliderScale.h"
#include "support/DisplayName.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Balls that stood on the lane's row without a lane now belong to it (they sounded nothing).
void adoptRowBalls(Arrangement& arrangement, TLane& lane) {
    MixerLock lock(arrangement.audio);
    for (int i = 0; i < arrangement.balls.Count(); ++i) {
        TBall& ball = arrangement.balls.At(i);
        if (ball.Y() == lane.Position() && !ball.Lane())
            arrangement.balls.JoinLane(ball, &lane);
    }
}

TLane& addSoundLane(Arrangement& arrangement, int32_t position, TRes* resource,
                    const QString& handle) {
    TLane& lane = arrangement.lanes.Add(position, TPiece::kNoOwnHue, true);
    TPiece& piece = lane.Piece();
    piece.Loudness.SetValue(kNewLaneLoudness);
    piece.Handle = handle;
    piece.Resource = resource;
    adoptRowBalls(arrangement, lane);
    return lane;
}

void playTrack(TPiece& piece, int32_t track) {
    piece.SrcTrack0 = track;
    piece.SrcTrack1 = track;
    piece.ApplySourceTracks();
}

} // namespace

void SetLaneStruck(Arrangement& arrangement, TLane& lane, bool struck) {
    {
        MixerLock lock(arrangement.audio);
        lane.Striked = struck;
    }
    arrangement.audio.RescheduleLane(lane);
}

void ToggleLaneStruck(Arrangement& arrangement, TLane& lane) {
    SetLaneStruck(arrangement, lane, !lane.Striked);
    arrangement.plan.SetModified(kChangeLaneStruck, true);
}

void SoloLane(Arrangement& arrangement, TLane& lane) {
    TTheLanes& lanes = arrangement.lanes;
    bool othersAllStruck = true;
    for (int i = 0; i < lanes.Count(); ++i)
        if (&lanes.At(i) != &lane && !lanes.At(i).Striked)
            othersAllStruck = false;
    if (!(lane.Striked && othersAllStruck)) {
        for (int i = 0; i < lanes.Count(); ++i) {
            TLane& other = lanes.At(i);
            if (&other != &lane && other.Striked == othersAllStruck)
                SetLaneStruck(arrangement, other, !othersAllStruck);
        }
    }
    if (lane.Striked)
        SetLaneStruck(arrangement, lane, false);
    arrangement.plan.SetModified(kChangeLaneStruck, true);
}

int LoudnessSliderPosition(const TLane& lane) {
    return NearestSliderPosition(lane.Piece().EffectiveLoudness() * 100);
}

int PanSliderPosition(const TLane& lane) {
    return SliderPositionOfPan(lane.Piece().EffectivePan());
}

void SetLaneLoudnessFromSlider(Arrangement& arrangement, TLane& lane, int position) {
    arrangement.plan.SetModified(kChangeLaneLoudness, true);
    {
        MixerLock lock(arrangement.audio);
        lane.Piece().Loudness.SetValue(position / 100.0L);
    }
    arrangement.audio.ApplyToLaneSounding(lane, SoundAttribute::Loudness);
}

void SetLanePanFromSlider(Arrangement& arrangement, TLane& lane, int position) {
    arrangement.plan.SetModified(kChangeLanePan, true);
    {
        MixerLock lock(arrangement.audio);
        lane.Piece().Pan.SetValue(PanOfSliderPosition(position));
    }
    arrangement.audio.ApplyToLaneSounding(lane, SoundAttribute::Pan);
}

void SetLaneHueFromSlider(Arrangement& arrangement, TLane& lane, std::optional<int> position) {
    arrangement.plan.SetModified(kChangeLaneHue, true);
    if (!position) {
        arrangement.lanes.SetHue(lane, true, TPiece::kNoOwnHue);
        return;
    }
    // Slider positions run to 100, hues to 359: four degrees a step.
    const int degrees = ((*position % 360) + 360) % 360;
    arrangement.lanes.SetHue(lane, false, std::min(359, degrees * 4));
}

TLane* AddLaneWithSoundFile(Arrangement& arrangement, int32_t position, const QString& file,
                            const ResourceFolders& folders) {
    const QFileInfo info(file);
    TRes* resource = arrangement.resources.FindOrAddSound(info.absoluteFilePath(), folders);
    if (!resource)
        return nullptr;
    TLane& lane =
        addSoundLane(arrangement, position, resource, DisplayNameOfFile(info.completeBaseName()));
    arrangement.audio.RescheduleLane(lane);
    return &lane;
}

TLane* AddLaneWithoutSound(Arrangement& arrangement, int32_t position) {
    if (arrangement.lanes.AtPosition(position))
        return nullptr;
    TLane& lane = addSoundLane(arrangement, position, nullptr, QString());
    // Balls of the row with a sound of their own sound from now on.
    arrangement.audio.RescheduleLane(lane);
    arrangement.plan.SetModified(kChangeLaneAddedEmpty, true);
    return &lane;
}

void SetLaneResource(Arrangement& arrangement, TLane& lane, TRes& resource) {
    {
        MixerLock lock(arrangement.audio);
        lane.Piece().Resource = &resource;
    }
    arrangement.audio.RescheduleLane(lane);
}

std::vector<TLane*> SplitLaneTracks(Arrangement& arrangement, TLane& lane, int32_t column) {
    std::vector<TLane*> made;
    TRes* resource = lane.Piece().EffectiveResource();
    if (!resource || resource->Tracks < 2)
        return made;
    {
        MixerLock lock(arrangement.audio);
        playTrack(lane.Piece(), 0);
    }
    for (int32_t t = 1; t < resource->Tracks; ++t) {
        const int64_t position = int64_t{lane.Position()} + t;
        if (position > INT32_MAX || arrangement.lanes.AtPosition(static_cast<int32_t>(position)))
            continue;
        TLane& added = addSoundLane(arrangement, static_cast<int32_t>(position), resource,
                                    lane.Piece().Handle);
        {
            MixerLock lock(arrangement.audio);
            playTrack(added.Piece(), t);
            added.Piece().Pan.SetValue(t % 2 == 1 ? -1.0L : 1.0L);
        }
        arrangement.audio.RescheduleLane(added);
        if (TBall* ball = arrangement.balls.Add(column, position, TPiece::kNoOwnHue, false))
            arrangement.audio.ArmBall(*ball);
        made.push_back(&added);
    }
    return made;
}
