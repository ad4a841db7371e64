// The order and the conditions in which a plan's values are written, shared by the binary form
// and the text form; each form turns the values into its own records or lines.
#pragma once

#include "planfile/PlanTags.h"

#include <QStringView>

#include <cstdint>
#include <optional>

class Arrangement;
class TBall;
class TLane;

class PlanSink {
public:
    virtual ~PlanSink() = default;

    virtual void BeginHeader() = 0;
    virtual void BeginLane(int index) = 0;
    virtual void BeginBall(int index) = 0;
    // Ends the header, a lane head or a ball head; the piece's values follow.
    virtual void BeginPiece() = 0;

    virtual void Int32(plantag::Tag tag, int32_t value) = 0;
    virtual void Int64(plantag::Tag tag, int64_t value) = 0;
    virtual void Bool(plantag::Tag tag, bool value) = 0;
    virtual void Hue(long double value) = 0;
    // Formula values arrive as their text.
    virtual void Text(plantag::Tag tag, QStringView value) = 0;
};

// The header and the master piece. Without a format version, only the values that edits change:
// neither the view (scroll offsets, the point) nor the master loudness, which is a mixing control.
void WalkHeader(const Arrangement& arrangement, std::optional<int32_t> formatVersion,
                PlanSink& sink);
// The header (with the given format version) and the master piece, the lanes, then the balls.
void WalkPlan(const Arrangement& arrangement, int32_t formatVersion, PlanSink& sink);
// The balls alone.
void WalkBalls(const Arrangement& arrangement, PlanSink& sink);
// One lane's or one ball's section, under the index given.
void WalkLane(const TLane& lane, int index, PlanSink& sink);
void WalkBall(const TBall& ball, int index, PlanSink& sink);
