// Stand-ins for the audio side, the carrier, the watch and the menus as the room and the ruler
// see them, recording what they are asked.
#pragma once

#include "controls/BallLink.h"
#include "controls/Ctrl.h"
#include "controls/MenuLink.h"
#include "controls/TransportLink.h"
#include "controls/WatchLink.h"
#include "model/AudioHooks.h"
#include "model/MixerView.h"

#include <deque>
#include <functional>
#include <utility>
#include <vector>

class TBall;

class RoomAudio : public AudioHooks {
public:
    void LockMixer() override { ++lockDepth; }
    void UnlockMixer() override { --lockDepth; }
    bool Playing() const override { return playing; }
    bool MixerRunning() const override { return playing; }
    void ArmBall(TBall& ball) override { armed.push_back(&ball); }

    bool playing = false;
    int lockDepth = 0;
    std::vector<TBall*> armed;
};

// Hands out the scripted positions one read at a time; the last one stays. Nothing else plays or
// renders.
class ScriptedMixer : public MixerView {
public:
    LevelReading MasterLevel() override { return {}; }
    uint32_t LaneLevel(const TLane&) override { return laneLevel; }
    PositionReading HeardPosition() override {
        lockedReads += audio && audio->lockDepth > 0;
        PositionReading r = readings.empty() ? last : readings.front();
        if (!readings.empty())
            readings.pop_front();
        last = r;
        return r;
    }
    void StreamEnded() override {}
    bool LastPlaySucceeded() const override { return true; }
    void RestartEngine() override {}
    int RenderCount() const override { return 0; }
    bool RenderActive(int) const override { return false; }
    void RenderTick(int) override {}
    void RemoveRender(int) override {}
    QStringList RenderProgress() const override { return {}; }

    void Script(std::initializer_list<int64_t> positions) {
        for (int64_t p : positions)
            readings.push_back({true, Elements{p}, {}});
    }

    std::deque<PositionReading> readings;
    PositionReading last{true, Elements{0}, {}};
    RoomAudio* audio = nullptr;
    int lockedReads = 0;
    uint32_t laneLevel = 0;
};

class FakeTransport : public TransportLink {
public:
    bool Rolling() const override { return rolling; }
    bool Paused() const override { return paused; }
    void Go(bool repaintLine, bool remember, Elements position) override {
        gone.push_back(position);
        (void)repaintLine, (void)remember;
    }
    void Roll(bool, Elements position) override { rolled.push_back(position); }
    bool RoundRobin() const override { return roundRobin; }
    bool Looping() const override { return looping; }
    void ChangeRange() override { ++rangeChanges; }
    void ScheduleBallsAgain() override { ++reschedules; }
    void UpdatePausedTaskbarProgress() override { ++taskbarUpdates; }

    bool rolling = false;
    bool paused = false;
    bool roundRobin = false;
    bool looping = false;
    std::vector<Elements> gone;
    std::vector<Elements> rolled;
    int rangeChanges = 0;
    int reschedules = 0;
    int taskbarUpdates = 0;
};

class FakeWatch : public WatchLink {
public:
    bool Typing() const override { return typing; }
    void EndTyping() override {
        typing = false;
        ++typingEnds;
    }
    const DigitPainter* CurrentPainter() const override { return painter; }
    void SetPainter(DigitPainter& p) override {
        painter = &p;
        showsNumber = false;
    }
    void RestoreChosenPainter() override {
        painter = nullptr;
        showsNumber = false;
    }
    void PaintTimeDigits(QPainter&, const PeekedTime& time) override { shown.push_back(time); }
    void ShowNumber(int value, bool negative) override {
        number = negative ? -value : value;
        showsNumber = true;
        painter = nullptr;
    }
    bool ShowsNumber() const override { return showsNumber; }
    void RepaintDigits() override { ++digitRepaints; }

    bool typing = false;
    bool showsNumber = false;
    int number = 0;
    int digitRepaints = 0;
    int typingEnds = 0;
    DigitPainter* painter = nullptr;
    std::vector<PeekedTime> shown;
};

class FakeMenus : public MenuLink {
public:
    void OpenRulerMenu(QPoint at) override { rulerMenus.push_back(at); }
    void OpenMainMenuFromIcon() override { ++mainMenus; }
    void OpenSliderMenu(QPoint at) override { sliderMenus.push_back(at); }
    void OpenPeakMeterMenu(QPoint at) override { meterMenus.push_back(at); }
    void OpenCarrierMenu(QPoint at) override { carrierMenus.push_back(at); }
    void OpenLaneMenu(QPoint at, int32_t lanePosition) override {
        laneMenus.push_back({at, lanePosition});
    }
    void OpenLaneStripMenu(QPoint at) override { laneStripMenus.push_back(at); }
    void OpenWatchMenu(QPoint at) override { watchMenus.push_back(at); }
    void OpenBallMenu(QPoint at) override { ballMenus.push_back(at); }
    void OpenMainMenu(QRect trigger) override {
        mainMenuTriggers.push_back(trigger);
        if (whileOpen)
            whileOpen();
        closedAt = now;
    }
    std::optional<std::chrono::steady_clock::time_point> MainMenuClosedAt() const override {
        return closedAt;
    }

    std::vector<QPoint> rulerMenus;
    std::vector<QPoint> sliderMenus;
    std::vector<QPoint> carrierMenus;
    std::vector<QPoint> meterMenus;
    std::vector<std::pair<QPoint, int32_t>> laneMenus;
    std::vector<QPoint> laneStripMenus;
    std::vector<QPoint> watchMenus;
    std::vector<QPoint> ballMenus;
    std::vector<QRect> mainMenuTriggers;
    std::function<void()> whileOpen;
    // The clock the menu closes by, and when it last closed.
    std::chrono::steady_clock::time_point now{};
    std::optional<std::chrono::steady_clock::time_point> closedAt;
    int mainMenus = 0;
};

// Records what the room asks of the ball operations; answers as told.
class FakeBalls : public BallLink {
public:
    struct Call {
        int32_t column;
        int32_t row;
        bool alt;           // placing
        int32_t changeCode; // removing
        const RoomRowPainter* painter;
        bool operator==(const Call&) const = default;
    };
    TBall* PlaceBall(int32_t column, int32_t row, bool altHeld, RoomRowPainter& painter) override {
        placed.push_back({column, row, altHeld, 0, &painter});
        return placedBall;
    }
    bool RemoveBallAtCell(int32_t column, int32_t row, int32_t changeCode,
                          RoomRowPainter& painter) override {
        removed.push_back({column, row, false, changeCode, &painter});
        return removes;
    }

    std::vector<Call> placed;
    std::vector<Call> removed;
    TBall* placedBall = nullptr;
    bool removes = false;
};

// A lane strip that takes the bounds the room gives it.
class BareControl : public TCtrl {
public:
    using TCtrl::TCtrl;
};
