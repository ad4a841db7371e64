#include "commands/LaneCommands.h"

#include "commands/Audition.h"
#include "commands/BallClipboard.h"
#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "commands/LaneTyping.h"
#include "commands/PlanDialogs.h"
#include "controls/Interior.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "model/LaneClipboard.h"
#include "model/LaneEdits.h"
#include "model/LaneOperations.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

namespace {

// The commands' work over the links; every command holds a copy, sharing the links.
class LaneWork {
public:
    explicit LaneWork(const LaneCommandLinks& links)
        : m_links(std::make_shared<const LaneCommandLinks>(links)), m(*m_links) {}
    LaneWork(const LaneWork& other) : m_links(other.m_links), m(*m_links) {}
    LaneWork& operator=(const LaneWork&) = delete;

    // The work on the current lane; nothing without one.
    template <class Work> CommandTable::Work onLane(Work work) const {
        return [*this, work] {
            if (TLane* lane = m.state.CurrentLane)
                work(*this, *lane);
        };
    }

    Arrangement& model() const { return m.arrangement; }
    PlanDesktop& desktop() const { return m.desktop; }
    bool held(Qt::KeyboardModifier key) const { return m.modifiers && m.modifiers().testFlag(key); }

    // The lane strip and the lane's row in the room, after the lane changed.
    void refresh(const TLane& lane) const {
        if (TTheLaneStrip* strip = TheLaneStripOf(m.interior))
            strip->RefreshLane(lane);
        else
            repaintRows({lane.Position()});
    }
    // The strip and the rows given, after lanes came, went or moved.
    void repaintRows(std::initializer_list<int32_t> rows) const {
        if (TTheLaneStrip* strip = TheLaneStripOf(m.interior))
            strip->RepaintWhole();
        if (TTheRoom* room = TheRoomOf(m.interior))
            for (int32_t row : rows)
                room->RepaintRow(row, nullptr);
    }
    void repaintAll() const {
        if (TTheLaneStrip* strip = TheLaneStripOf(m.interior))
            strip->RepaintWhole();
        if (TTheRoom* room = TheRoomOf(m.interior))
            room->RepaintWhole();
    }

    // A value being typed ends unapplied before lanes go or move under it.
    // Lanes change rows or go: an entry typed for one of them ends and is not offered again.
    void endTyping() const {
        TTheWatch* watch = TheWatchOf(m.interior);
        if (!watch)
            return;
        if (watch->Typing())
            watch->EndTyping();
        watch->Typer().ForgetLastParameters();
    }
    // The current ball goes with the lane's balls.
    void forgetBallsOf(const TLane& lane) const {
        if (m.state.CurrentBall && m.state.CurrentBall->Lane() == &lane)
            m.state.CurrentBall = nullptr;
    }

    void remove(TLane& lane, bool withLane, int32_t changeCode) const {
        endTyping();
        forgetBallsOf(lane);
        const int32_t row = lane.Position();
        if (withLane)
            m.state.CurrentLane = nullptr;
        RemoveLane(m.arrangement, lane, withLane, changeCode);
        repaintRows({row});
    }
    void move(TLane& lane, int32_t step) const {
        endTyping();
        const int32_t from = lane.Position();
        if (MoveLane(m.arrangement, lane, step))
            repaintRows({from, from + step});
    }
    // Unless Shift is held, the lane's balls go first.
    void lay(TLane& lane, int every) const {
        const bool keep = held(Qt::ShiftModifier);
        if (!keep)
            forgetBallsOf(lane);
        if (every > 0)
            LayLaneBalls(m.arrangement, lane, every, keep);
        else
            ScatterLaneBalls(
                m.arrangement, lane, keep,
                m.coin ? m.coin : [] { return QRandomGenerator::global()->bounded(2) == 1; });
        repaintRows({lane.Position()});
    }
    void exchangeName(TLane& lane) const {
        const QString name = lane.Piece().Handle;
        if (!PasteLaneName(m.arrangement, lane, m.desktop.ClipboardText()))
            return;
        m.desktop.SetClipboardText(name);
        refresh(lane);
    }
    void audition(TLane& lane) const {
        AuditionLane(m.mingler ? m.mingler() : nullptr, &lane, held(Qt::ControlModifier),
                     held(Qt::ShiftModifier));
    }
    // Rolls afresh from the lane's first ball (a roll on the way stops first).
    void rollFromFirstBall(const TLane& lane) const {
        TTheCarrier* carrier = TheCarrierOf(m.interior);
        if (!carrier || lane.LaneBalls.empty())
            return;
        const auto first =
            std::min_element(lane.LaneBalls.begin(), lane.LaneBalls.end(),
                             [](const TBall* a, const TBall* b) { return a->X() < b->X(); });
        const long double start = (*first)->X() * m.arrangement.plan.ElementsPerStep();
        carrier->Roll(true, Elements{std::llround(start)});
    }
    TWatchTyper* typer() const {
        TTheWatch* watch = TheWatchOf(m.interior);
        return watch ? &watch->Typer() : nullptr;
    }
    void typeHue(const TLane& lane) const {
        if (TWatchTyper* t = typer())
            TypeLaneHue(m.arrangement, *t, lane, [*this](const TLane& now) { refresh(now); });
    }
    void addEmptyLane() const {
        if (const TLane* lane = AddLaneWithoutSound(m.arrangement, m.popupRow()))
            refresh(*lane);
    }
    void copyLaneList(bool full) const {
        if (m.arrangement.lanes.Count() > 0)
            m.desktop.SetClipboardText(LaneListText(m.arrangement.lanes, full));
    }

private:
    std::shared_ptr<const LaneCommandLinks> m_links;
    const LaneCommandLinks& m;
};

using Lane = const LaneWork&;

void addLaneTable(CommandTable& table, const LaneWork& w) {
    const auto add = [&](int id, auto work) { table.Add(id, w.onLane(work)); };
    add(cmd::kSoloLane, [](Lane w, TLane& lane) {
        SoloLane(w.model(), lane);
        w.repaintRows({});
    });
    add(cmd::kMuteLane, [](Lane w, TLane& lane) {
        ToggleLaneStruck(w.model(), lane);
        w.repaintRows({});
    });
    add(cmd::kMoveLaneUp, [](Lane w, TLane& lane) { w.move(lane, -1); });
    add(cmd::kMoveLaneDown, [](Lane w, TLane& lane) { w.move(lane, +1); });
    add(cmd::kRemoveLane, [](Lane w, TLane& lane) { w.remove(lane, true, kChangeLaneRemoved); });
    add(cmd::kCutLane, [](Lane w, TLane& lane) {
        w.desktop().SetClipboardText(LaneText(lane, true));
        w.remove(lane, true, kChangeLaneCut);
    });
    add(cmd::kRemoveLaneBalls,
        [](Lane w, TLane& lane) { w.remove(lane, false, kChangeLaneBallsRemoved); });

    add(cmd::kCopyLaneName,
        [](Lane w, TLane& lane) { w.desktop().SetClipboardText(lane.Piece().Handle); });
    add(cmd::kPasteLaneName, [](Lane w, TLane& lane) {
        if (PasteLaneName(w.model(), lane, w.desktop().ClipboardText()))
            w.refresh(lane);
    });
    add(cmd::kExchangeLaneName, [](Lane w, TLane& lane) { w.exchangeName(lane); });
    add(cmd::kCopyLaneLoudness,
        [](Lane w, TLane& lane) { w.desktop().SetClipboardText(LaneLoudnessText(lane)); });
    add(cmd::kPasteLaneLoudness, [](Lane w, TLane& lane) {
        if (PasteLaneLoudness(w.model(), lane, w.desktop().ClipboardText()))
            w.refresh(lane);
    });
    add(cmd::kCopyLaneHue,
        [](Lane w, TLane& lane) { w.desktop().SetClipboardText(LaneHueText(lane)); });
    add(cmd::kPasteLaneHue, [](Lane w, TLane& lane) {
        if (PasteLaneHue(w.model(), lane, w.desktop().ClipboardText()))
            w.refresh(lane);
    });

    add(cmd::kTypeLaneLoudness, [](Lane w, TLane& lane) {
        if (TWatchTyper* typer = w.typer())
            TypeLaneLoudness(w.model(), *typer, lane);
    });
    add(cmd::kTypeLanePan, [](Lane w, TLane& lane) {
        if (TWatchTyper* typer = w.typer())
            TypeLanePan(w.model(), *typer, lane);
    });
    add(cmd::kTypeLaneHue, [](Lane w, TLane& lane) { w.typeHue(lane); });
    add(cmd::kNewLaneHue, [](Lane w, TLane& lane) {
        NewLaneHue(w.model(), lane);
        w.refresh(lane);
    });
    add(cmd::kFixLaneHue, [](Lane w, TLane& lane) { FixLaneHue(w.model(), lane); });

    for (int id = cmd::kBallEveryStep; id <= cmd::kBallEvery8Steps; ++id) {
        const int every = 1 << (id - cmd::kBallEveryStep);
        add(id, [every](Lane w, TLane& lane) { w.lay(lane, every); });
    }
    add(cmd::kRandomLaneBalls, [](Lane w, TLane& lane) { w.lay(lane, 0); });
    add(cmd::kAuditionLane, [](Lane w, TLane& lane) { w.audition(lane); });
    add(cmd::kRollFromLane, [](Lane w, TLane& lane) { w.rollFromFirstBall(lane); });
}

void addAllLanesCommands(CommandTable& main, const LaneWork& w) {
    main.Add(cmd::kNewLaneHues, [w] {
        NewLaneHues(w.model(), w.held(Qt::ShiftModifier));
        w.repaintAll();
    });
    main.Add(cmd::kFixLaneHues, [w] { FixLaneHues(w.model()); });
    main.Add(cmd::kCopyLaneList, [w] { w.copyLaneList(false); });
    main.Add(cmd::kCopyLaneListInFull, [w] { w.copyLaneList(true); });
}

} // namespace

void AddLaneCommands(CommandTable& main, ContextCommands& contexts, const LaneCommandLinks& links) {
    const LaneWork work(links);
    addLaneTable(contexts.Of(Dispatcher::Lane), work);
    addAllLanesCommands(main, work);
    contexts.Of(Dispatcher::LaneStrip).Add(cmd::kAddEmptyLane, [work] { work.addEmptyLane(); });
}
