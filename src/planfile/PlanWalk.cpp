// What a plan file holds, in the writer's order: only what differs from the not-set values,
// except in the master piece, which is written whole.
#include "planfile/PlanWalk.h"

#include "model/Arrangement.h"
#include "model/Resources.h"

#include <QString>

#include <optional>

namespace {

void FormulaText(PlanSink& sink, plantag::Tag tag, const TFormula& formula) {
    sink.Text(tag, QString::fromStdString(formula.Text()));
}

void WalkPiece(const TPiece& piece, bool writeAll, PlanSink& sink) {
    using namespace plantag;
    if (!piece.Handle.isEmpty())
        sink.Text(Handle, piece.Handle);
    if (writeAll || piece.Life.Value() != TPiece::kNotSet)
        FormulaText(sink, Life, piece.Life);
    if (writeAll || piece.Loudness.Value() != TPiece::kLoudnessNotSet)
        FormulaText(sink, Loudness, piece.Loudness);
    if (piece.Pan.Value() != TPiece::kPanNotSet)
        FormulaText(sink, Pan, piece.Pan);
    if (piece.ResStart.Value() != TPiece::kNotSet)
        FormulaText(sink, ResStart, piece.ResStart);
    if (piece.ResEnd.Value() != TPiece::kNotSet)
        FormulaText(sink, ResEnd, piece.ResEnd);
    if (writeAll || piece.RoundRobin)
        sink.Bool(RoundRobin, piece.RoundRobin);
    if (piece.SrcTrack0 != -1)
        sink.Int32(SrcTrack0, piece.SrcTrack0);
    if (piece.SrcTrack1 != -1)
        sink.Int32(SrcTrack1, piece.SrcTrack1);
    if (!piece.HueAuto() && piece.Hue() != TPiece::kNoOwnHue)
        sink.Hue(piece.Hue());
    if (piece.Resource)
        sink.Text(Resource, piece.Resource->Name);
}

} // namespace

void WalkHeader(const Arrangement& arrangement, std::optional<int32_t> formatVersion,
                PlanSink& sink) {
    using namespace plantag;
    const TThePlan& plan = arrangement.plan;
    const TRoomState& room = arrangement.room;
    sink.BeginHeader();
    if (formatVersion)
        sink.Int32(FormatVersion, *formatVersion);
    FormulaText(sink, MPH, plan.MPH);
    FormulaText(sink, FrameResolution, plan.FrameResolution);
    FormulaText(sink, Frames, plan.Frames);
    FormulaText(sink, ElementRate, plan.ElementRate);
    if (plan.Start.count != 0)
        sink.Int64(Start, plan.Start.count);
    if (plan.End.count != 0)
        sink.Int64(End, plan.End.count);
    if (formatVersion) {
        sink.Int32(OffsetX, room.OffsetX);
        sink.Int32(OffsetY, room.OffsetY);
        sink.Int32(ThePointX, room.Point.X);
        sink.Int32(ThePointY, room.Point.Y);
    }
    sink.Bool(Memory, plan.Memory);
    if (formatVersion && plan.MasterLoudness.Text() != "1")
        FormulaText(sink, MasterLoudness, plan.MasterLoudness);
    if (!plan.ResourcesFolder.isEmpty())
        sink.Text(ResourcesFolder, plan.ResourcesFolder);
    sink.BeginPiece();
    WalkPiece(plan.Master, true, sink);
}

void WalkPlan(const Arrangement& arrangement, int32_t formatVersion, PlanSink& sink) {
    WalkHeader(arrangement, formatVersion, sink);
    for (int i = 0; i < arrangement.lanes.Count(); ++i)
        WalkLane(arrangement.lanes.At(i), i, sink);
    WalkBalls(arrangement, sink);
}

void WalkBalls(const Arrangement& arrangement, PlanSink& sink) {
    for (int i = 0; i < arrangement.balls.Count(); ++i)
        WalkBall(arrangement.balls.At(i), i, sink);
}

void WalkLane(const TLane& lane, int index, PlanSink& sink) {
    using namespace plantag;
    sink.BeginLane(index);
    sink.Int32(Position, lane.Position());
    if (lane.Striked)
        sink.Bool(Striked, true);
    sink.BeginPiece();
    WalkPiece(lane.Piece(), false, sink);
}

void WalkBall(const TBall& ball, int index, PlanSink& sink) {
    using namespace plantag;
    sink.BeginBall(index);
    sink.Int32(X, ball.X());
    sink.Int32(Y, ball.Y());
    sink.BeginPiece();
    if (const TPiece* own = ball.OwnPiece())
        WalkPiece(*own, false, sink);
}
