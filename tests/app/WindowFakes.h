// Stand-ins for the audio side, the later window parts and the room's line, recording what the
// window asks of them.
#pragma once

#include "app/WindowPeers.h"
#include "controls/LineAndPoint.h"
#include "model/AudioHooks.h"
#include "model/MixerView.h"

#include <QPainter>

#include <stdexcept>
#include <vector>

class FakeAudio : public AudioHooks {
public:
    void LockMixer() override { ++lockDepth; }
    void UnlockMixer() override { --lockDepth; }
    bool Playing() const override { return playing; }
    bool MixerRunning() const override { return playing; }
    void SetOutputVolume(long double loudness) override { volumes.push_back(loudness); }

    bool playing = false;
    int lockDepth = 0;
    std::vector<long double> volumes;
};

class FakeMixer : public MixerView {
public:
    LevelReading MasterLevel() override {
        ++levelReads;
        if (levelThrows)
            throw std::runtime_error("the level broke");
        return level;
    }
    uint32_t LaneLevel(const TLane&) override { return laneLevel; }
    PositionReading HeardPosition() override { return {}; }
    void StreamEnded() override { ++streamEnds; }
    bool LastPlaySucceeded() const override { return lastPlayOk; }
    void RestartEngine() override { ++restarts; }
    int RenderCount() const override { return static_cast<int>(renders.size()); }
    bool RenderActive(int index) const override { return renders.at(index) > 0; }
    void RenderTick(int index) override { ticked.push_back(renders.at(index)); }
    void RemoveRender(int index) override { renders.erase(renders.begin() + index); }
    QStringList RenderProgress() const override { return {}; }

    LevelReading level{LevelReading::Status::Ok, 0, {}};
    uint32_t laneLevel = 0;
    bool levelThrows = false;
    bool lastPlayOk = true;
    int levelReads = 0;
    int streamEnds = 0;
    int restarts = 0;
    std::vector<int> renders; // render ids; 0 or less: finished
    std::vector<int> ticked;
};

class FakePeers : public WindowPeers {
public:
    void PaintWatchDigits(bool direct) override { watchPaints.push_back(direct); }
    void UpdateLaneMeters() override { ++laneMeterUpdates; }
    void RepeatCarrierButton() override {}
    void ShowFadeLoudness(long double loudness) override { fadeShown.push_back(loudness); }
    void MoveQueuedReportLines() override {}
    bool ReportVisible() const override { return reportVisible; }
    bool ReportLinesWaiting() const override { return linesWaiting; }
    void ShowReport(bool visible) override {
        reportVisible = visible;
        ++reportShowCalls;
    }
    int ReportRowCount() const override { return 0; }
    int ReportSelectedRowCount() const override { return 0; }
    void ClearMenuTriggerHighlight() override { ++highlightClears; }

    std::vector<bool> watchPaints;
    int laneMeterUpdates = 0;
    std::vector<long double> fadeShown;
    bool reportVisible = false;
    bool linesWaiting = false;
    int reportShowCalls = 0;
    int highlightClears = 0;
};

// A point that is either shown or hidden, and a line that counts its updates.
class FakeLine : public LineAndPoint {
public:
    void SuspendLinePainting(bool suspended) override { suspendedNow = suspended; }
    void UpdateLine() override {
        ++updates;
        lockedUpdates += audio && audio->lockDepth > 0;
        if (updateThrows)
            throw std::runtime_error("the line broke");
    }
    void ResetLinePainting() override { ++resets; }
    void PaintPoint() override { ++pointPaints; }
    void PaintLine() override { ++linePaints; }
    void PaintOverWindow(QPainter& painter) override { painter.fillRect(0, 0, 1, 1, Qt::magenta); }
    bool HidePoint() override { return !std::exchange(pointHidden, true); }
    bool ShowPoint() override { return std::exchange(pointHidden, false); }
    Elements LinePosition() const override { return position; }

    FakeAudio* audio = nullptr;
    bool suspendedNow = false;
    bool updateThrows = false;
    int updates = 0;
    int lockedUpdates = 0;
    int resets = 0;
    int pointPaints = 0;
    int linePaints = 0;
    bool pointHidden = false;
    Elements position{};
};
