// The clipboard and ball edit commands, with the drawing and typing around the operations.
#include "commands/BallEditCommands.h"

#include "commands/Audition.h"
#include "commands/BallClipboard.h"
#include "commands/BallLength.h"
#include "commands/BallPlacing.h"
#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "commands/PlanDialogs.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "model/LaneOperations.h"
#include "planfile/PlanReadContext.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kTextPleaseConfirm = 101;
constexpr int kTextBalls = 61;
constexpr int kTextQuestionMark = 243;
constexpr int32_t kCommandBallLoudness = 220;
constexpr int32_t kCommandBallPan = 222;
// The step lengths of the length items, from kBallLengthOneStep on; the last plays the whole.
constexpr int64_t kLengths[] = {1, 2, 4, 8, kWholeSound};
// What the length entries start from without a ball.
constexpr int32_t kDefaultSteps = 8;

enum class BallValue { Loudness, Pan };

class BallEdits {
public:
    explicit BallEdits(const BallEditLinks& links) : m(links), a(links.arrangement) {}

    void CopyBall() const {
        if (const TBall* ball = m.state.CurrentBall)
            m.desktop.SetClipboardText(BallText(*ball));
    }
    void CutBall() {
        if (!m.state.CurrentBall)
            return;
        CopyBall();
        removeAtPoint(kChangeBallCut);
    }
    void RemoveBall() {
        if (m.state.CurrentBall)
            removeAtPoint(kChangeBallRemoved);
    }

    void PasteBalls(bool keepColumns) {
        if (::PasteBalls(a, m.desktop.ClipboardText(), readContext(), keepColumns) == 0)
            return;
        refindCurrentBall(); // a replaced ball is gone
        if (TTheRoom* room = TheRoomOf(m.interior))
            room->RepaintWhole();
    }

    void CopyLane(bool withLane) const {
        if (const TLane* lane = m.state.CurrentLane)
            m.desktop.SetClipboardText(LaneText(*lane, withLane));
    }
    void CutLaneBalls() {
        TLane* lane = m.state.CurrentLane;
        if (!lane)
            return;
        CopyLane(false);
        RemoveLaneBalls(a, *lane);
        a.plan.SetModified(kChangeLaneBallsCut, true);
        refindCurrentBall();
        repaintRow(lane->Position());
    }
    // Into the current lane, or into the row under the menu.
    void PasteLane(bool whole, bool intoRowUnderMenu) {
        if (intoRowUnderMenu)
            m.state.CurrentLane = nullptr;
        TLane* lane = m.state.CurrentLane;
        const int32_t row = lane ? lane->Position() : m.popupRow();
        if (!PasteIntoLane(a, m.desktop.ClipboardText(), readContext(), lane, row, whole))
            return;
        m.state.CurrentLane = lane;
        refindCurrentBall();
        if (lane)
            refreshLane(*lane);
        repaintRow(row);
    }

    void SetLength(int64_t value, bool inFrames) {
        TBall* ball = SetBallLength(a, m.state.CurrentBall, value, inFrames);
        if (!ball)
            return;
        m.state.CurrentBall = ball;
        if (TLane* lane = ball->Lane())
            refreshLane(*lane);
        repaintRow(ball->Y());
    }
    void TypeLength(bool inFrames) {
        TTheWatch* watch = TheWatchOf(m.interior);
        if (!watch)
            return;
        const TThePoint& point = a.room.Point;
        TyperStart start;
        start.previousText = "-1";
        start.range = {-1, TWatchTyper::kMostShown, 0, inFrames ? 1000 : 1};
        start.value = lengthShown(inFrames);
        start.changed = [this, inFrames](int32_t value) { SetLength(value, inFrames); };
        start.restoreView = [this, x = point.X, y = point.Y] {
            m.state.CurrentBall = a.balls.Find(x, y);
        };
        // Each typed digit applies at once: a cancel puts back the length, or takes away the
        // ball the typing added.
        TBall* before = a.balls.Find(point.X, point.Y);
        start.cancelled = [this, x = point.X, y = point.Y, added = !before,
                           life = before ? before->EditPiece().Life.Text() : std::string()] {
            TBall* ball = a.balls.Find(x, y);
            if (!ball)
                return;
            if (added) {
                a.balls.Remove(*ball);
                m.state.CurrentBall = nullptr;
            } else {
                SetBallLife(a, *ball, life);
            }
            repaintRow(y);
        };
        watch->Typer().Start(start);
    }
    void TypeValue(BallValue which) {
        TTheWatch* watch = TheWatchOf(m.interior);
        TBall* ball = m.state.CurrentBall;
        if (!watch || !ball)
            return;
        const bool loudness = which == BallValue::Loudness;
        const TPiece& piece = ball->EditPiece();
        const TFormulaExt& target = loudness ? piece.Loudness : piece.Pan;
        // Typed values apply at once, so a cancel puts the text back. The setters write the
        // value under the mix's lock: the typer is given no target of its own to write.
        const std::string before = target.Text();
        const long double now = target.Value();
        const bool unset = now == (loudness ? TPiece::kLoudnessNotSet : TPiece::kPanNotSet);
        TyperStart start;
        start.commandId = loudness ? kCommandBallLoudness : kCommandBallPan;
        start.range = loudness ? TypedRange{-1, 200, 0, 2} : TypedRange{-100, 100, -100, 2};
        start.value = unset ? (loudness ? 100 : 0) : static_cast<int32_t>(std::lround(now * 100));
        const int32_t x = ball->X();
        const int32_t y = ball->Y();
        start.changed = [this, which, x, y](int32_t value) { applyTyped(which, x, y, value); };
        start.complete = start.changed;
        start.cancelled = [this, which, x, y, before] { restoreTyped(which, x, y, before); };
        start.restoreView = [this, x, y] { m.state.CurrentBall = a.balls.Find(x, y); };
        watch->Typer().Start(start);
    }

    void AuditionBall() const {
        const Qt::KeyboardModifiers held = m.modifiers();
        ::AuditionBall(m.mingler(), m.state.CurrentBall, held.testFlag(Qt::ControlModifier),
                       held.testFlag(Qt::ShiftModifier));
    }

    // Shift: only the balls in the play range.
    void CopyBalls() const {
        if (a.balls.Count() > 0)
            m.desktop.SetClipboardText(BallsText(a, shiftHeld()));
    }
    void CutBalls() {
        if (a.balls.Count() == 0)
            return;
        CopyBalls();
        deleteBalls(kChangeBallsCut);
    }
    void DeleteAllBalls() {
        if (a.balls.Count() == 0)
            return;
        const QString question = GetText(kChangeAllBallsDeleted) + Text(kTextQuestionMark);
        const QString detail =
            Text(kTextBalls) + QStringLiteral(": ") + QString::number(a.balls.Count()) + '.';
        if (m.askYesNo(Text(kTextPleaseConfirm), question, detail))
            deleteBalls(kChangeAllBallsDeleted);
    }

private:
    bool shiftHeld() const { return m.modifiers().testFlag(Qt::ShiftModifier); }

    PlanReadContext readContext() const {
        return ContextOfOpenPlan(a.plan, ReadDefaultResourcesFolder(m.settings));
    }

    void refindCurrentBall() { m.state.CurrentBall = a.balls.Find(a.room.Point.X, a.room.Point.Y); }

    void removeAtPoint(int32_t changeCode) {
        const TThePoint& point = a.room.Point;
        TTheRoom* room = TheRoomOf(m.interior);
        RemoveBallAtCell(a, point.X + a.room.OffsetX, point.Y + a.room.OffsetY, changeCode, room);
        m.state.CurrentBall = nullptr;
        if (room)
            room->PaintPoint();
    }

    void deleteBalls(int32_t changeCode) {
        a.plan.SetModified(changeCode, true);
        a.balls.RemoveAll(shiftHeld());
        refindCurrentBall();
        if (TTheRoom* room = TheRoomOf(m.interior))
            room->RepaintWhole();
    }

    // The length the entry starts from: the current ball's, as the entry sets it.
    int32_t lengthShown(bool inFrames) const {
        const long double perStep = a.plan.ElementsPerStep();
        const TBall* ball = m.state.CurrentBall;
        if (!ball)
            return inFrames ? static_cast<int32_t>(std::llround(kDefaultSteps * perStep))
                            : kDefaultSteps;
        // A length written as n gives the piece n x the sample-byte factor.
        const long double life =
            static_cast<long double>(ball->Values().RealLife().count) / TPiece::kSampleByteFactor;
        const long double unit = inFrames ? 2.0L * SampleSize(ball->Values()) : perStep;
        const long double shown = unit > 0 ? std::round(life / unit) : 0;
        return static_cast<int32_t>(
            std::clamp<long double>(shown, TWatchTyper::kLeastShown, TWatchTyper::kMostShown));
    }

    void applyTyped(BallValue which, int32_t x, int32_t y, int32_t value) {
        TBall* ball = a.balls.Find(x, y);
        if (!ball)
            return;
        if (which == BallValue::Loudness)
            a.balls.SetLoudness(*ball,
                                value < 0 ? std::nullopt : std::optional<long double>(value));
        else
            a.balls.SetPan(*ball, (value + 100) / 2);
    }
    void restoreTyped(BallValue which, int32_t x, int32_t y, const std::string& text) {
        TBall* ball = a.balls.Find(x, y);
        if (!ball)
            return;
        const bool loudness = which == BallValue::Loudness;
        TPiece& piece = ball->EditPiece();
        {
            MixerLock lock(a.audio);
            (loudness ? piece.Loudness : piece.Pan).SetText(text);
        }
        a.balls.ApplyToSounding(
            *ball, loudness ? SoundAttribute::Loudness : SoundAttribute::Pan,
            static_cast<float>(loudness ? piece.EffectiveLoudness() : piece.EffectivePan()));
    }

    void repaintRow(int32_t y) const {
        if (TTheRoom* room = TheRoomOf(m.interior))
            room->RepaintRow(y, nullptr);
    }
    void refreshLane(const TLane& lane) const {
        if (TTheLaneStrip* strip = TheLaneStripOf(m.interior))
            strip->RefreshLane(lane);
    }

    const BallEditLinks m;
    Arrangement& a;
};

} // namespace

void AddBallEditCommands(CommandTable& main, ContextCommands& contexts,
                         const BallEditLinks& links) {
    const auto edits = std::make_shared<BallEdits>(links);
    const auto add = [&edits](CommandTable& table, int id, auto work) {
        table.Add(id, [edits, work] { work(*edits); });
    };
    CommandTable& lane = contexts.Of(Dispatcher::Lane);
    add(lane, cmd::kCopyLane, [](BallEdits& e) { e.CopyLane(true); });
    add(lane, cmd::kCopyLaneBalls, [](BallEdits& e) { e.CopyLane(false); });
    add(lane, cmd::kCutLaneBalls, [](BallEdits& e) { e.CutLaneBalls(); });
    add(lane, cmd::kPasteLane, [](BallEdits& e) { e.PasteLane(true, false); });
    add(lane, cmd::kPasteLaneBalls, [](BallEdits& e) { e.PasteLane(false, false); });

    CommandTable& strip = contexts.Of(Dispatcher::LaneStrip);
    add(strip, cmd::kStripPasteLane, [](BallEdits& e) { e.PasteLane(true, true); });
    add(strip, cmd::kStripPasteLaneBalls, [](BallEdits& e) { e.PasteLane(false, true); });

    CommandTable& ball = contexts.Of(Dispatcher::Ball);
    add(ball, cmd::kCutBall, [](BallEdits& e) { e.CutBall(); });
    add(ball, cmd::kCopyBall, [](BallEdits& e) { e.CopyBall(); });
    add(ball, cmd::kRemoveBall, [](BallEdits& e) { e.RemoveBall(); });
    add(ball, cmd::kAuditionBall, [](BallEdits& e) { e.AuditionBall(); });
    add(ball, cmd::kTypeBallLoudness, [](BallEdits& e) { e.TypeValue(BallValue::Loudness); });
    add(ball, cmd::kTypeBallPan, [](BallEdits& e) { e.TypeValue(BallValue::Pan); });
    // The lengths act on the ball at the point, or add one there from the room's menu.
    for (CommandTable* table : {&ball, &contexts.Of(Dispatcher::Room)}) {
        for (int i = 0; i < static_cast<int>(std::size(kLengths)); ++i)
            add(*table, cmd::kBallLengthOneStep + i,
                [value = kLengths[i]](BallEdits& e) { e.SetLength(value, false); });
        add(*table, cmd::kTypeBallSteps, [](BallEdits& e) { e.TypeLength(false); });
        add(*table, cmd::kTypeBallFrames, [](BallEdits& e) { e.TypeLength(true); });
    }

    // The ball and room menus and the keys paste at the point.
    add(main, cmd::kPasteBalls, [](BallEdits& e) { e.PasteBalls(false); });
    add(main, cmd::kPasteBallsKeepingColumns, [](BallEdits& e) { e.PasteBalls(true); });
    add(main, cmd::kCopyBalls, [](BallEdits& e) { e.CopyBalls(); });
    add(main, cmd::kCutBalls, [](BallEdits& e) { e.CutBalls(); });
    add(main, cmd::kDeleteAllBalls, [](BallEdits& e) { e.DeleteAllBalls(); });
}
