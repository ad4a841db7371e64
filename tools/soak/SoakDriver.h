// The soak: the whole program on the "no sound" device loops a 32-lane plan while the driver
// edits it every few milliseconds through the window's own controls and commands.
#pragma once

#include "ChannelWatch.h"
#include "LineWatch.h"
#include "controls/SoundFileLink.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

class ProgramSession;
class TTheRoom;

struct SoakOptions {
    int seconds = 60;
    int stepMs = 4;
    unsigned seed = 1;
    QString programFolder; // the built program, with its engine, texts and styles
};

class SoakDriver final : public SoundFileLink {
public:
    explicit SoakDriver(const SoakOptions& options);
    ~SoakDriver() override;

    // Runs the soak; the process's exit code. The summary and any fault go to stdout.
    int Run();

    // SoundFileLink: one of the demo's sounds, as a user picks one.
    QString ChooseSoundFile(const QString& proposed) override;
    QString DefaultResourcesFolder() const override { return {}; }

private:
    struct Step {
        const char* name;
        int weight;
        std::function<void()> work;
        long done = 0;
    };
    // Steps picked by weight.
    struct StepList {
        std::vector<Step> steps;
        int totalWeight = 0;
    };

    bool prepareFolder();
    // Every row of the room up to kLanes gets a lane with a pattern of balls.
    void fillLanes();
    // A lane with one of the demo's sounds on an empty row, as choosing a file for a cell adds.
    void addLaneAt(int32_t row);
    // The edits, every few milliseconds, and what moves the line, every second or so.
    void addEdits();
    void addMoves();
    static StepList weighted(std::vector<Step> steps);
    void step(StepList& list);
    PlayRange currentRange();
    // The driver rolled, settled or moved the range.
    void moved();
    void note(std::deque<std::string>& events, size_t kept, const std::string& event);
    void readLine();
    // The engine's open channels but the live and the audition mix streams.
    int64_t channelsBesideTheMixes();
    // Settles and waits a while for the engine's channels to come down to the first rest's; their
    // count then.
    int64_t settleAndCount();
    // A rest counted, then rolling again.
    void restAndCount();
    void fail(const std::string& fault);

    // The room's view cell of a plan cell, clicked as the mouse does.
    void clickCell(int64_t x, int64_t y, bool right);
    // The point to a plan cell in view: the context commands act there.
    void pointTo(int64_t x, int64_t y);
    int64_t randomColumn();
    int32_t randomRow();
    void laneCommand(int id);
    void command(int id);
    // Undo or Redo.
    void takeStep(int id);
    // The range from a plan column, set at the point as the ruler's commands do.
    void setRange(int64_t start, int steps);
    void rollFromRangeStartLooping();

    TTheRoom& room();
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    static constexpr int32_t kLanes = 32;

    const SoakOptions m_options;
    std::mt19937 m_random;
    QTemporaryDir m_folder;
    QStringList m_sounds;
    std::unique_ptr<ProgramSession> m_session;
    StepList m_edits;
    StepList m_moves;
    LineWatch m_line;
    ChannelWatch m_channels;
    QElapsedTimer m_sinceReading;
    QElapsedTimer m_clock;
    qint64 m_movedAtMs = 0;
    PlayRange m_rangeBeforeMove;
    qint64 m_loopingSwitchedAtMs = -1000000;
    // The last moves and readings, for a fault's report.
    std::deque<std::string> m_recentMoves;
    std::deque<std::string> m_recentReadings;
    bool m_resting = false;
    std::string m_fault;
};
