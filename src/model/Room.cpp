// Flag and point placement in the room's pixels.
#include "model/Room.h"

#include "model/Arrangement.h"
#include "texts/Parlance.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kStartCaptionText = 86;
constexpr int kEndCaptionText = 87;

// Cells far outside the view must not overflow 32-bit pixels.
int32_t CellPixel(int32_t origin, int64_t offset, int64_t cell) {
    const int64_t pixel = origin + (offset + cell) * kCellPixels;
    return static_cast<int32_t>(std::clamp<int64_t>(pixel, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

TRoomState::TRoomState(Arrangement& arrangement) : m_arrangement(arrangement) {
    TFlag origin;
    origin.Colour = RgbColour(181, 146, 255);
    Flags.Add(origin);
    Flags.Add(TFlag{});
    TFlag end;
    end.CaptionOnLeft = true;
    Flags.Add(end);
    TakeFlagCaptions();
}

void TRoomState::SetFlagPosition(TFlag& flag, Elements position, bool repaint) {
    if (flag.Position == position)
        return;
    flag.Position = position;
    flag.PixelX = m_arrangement.plan.Timing().PixelXOf(position, OffsetX, Left);
    if (repaint && Flags.FlagsShown)
        m_arrangement.window.RepaintRoom();
}

void TRoomState::RecomputeFlagPixels() {
    const StepTiming& timing = m_arrangement.plan.Timing();
    for (int i = 0; i < Flags.Count(); ++i)
        Flags.At(i).PixelX = timing.PixelXOf(Flags.At(i).Position, OffsetX, Left);
}

void TRoomState::PlaceStartEndCaptions() {
    const bool farApart = int64_t{EndFlag().PixelX} - StartFlag().PixelX >= 81;
    StartFlag().CaptionOnLeft = !farApart;
    EndFlag().CaptionOnLeft = farApart;
}

void TRoomState::FlagsFollowRange() {
    SetFlagPosition(StartFlag(), m_arrangement.plan.Start, false);
    SetFlagPosition(EndFlag(), m_arrangement.plan.End, false);
    PlaceStartEndCaptions();
}

void TRoomState::TakeFlagCaptions() {
    StartFlag().Caption = Text(kStartCaptionText);
    EndFlag().Caption = Text(kEndCaptionText);
}

void TRoomState::RecomputePointPixels() {
    Point.PixelX = CellPixel(Left, OffsetX, Point.X);
    Point.PixelY = CellPixel(Top, OffsetY, Point.Y);
}
