#include "SoakDriver.h"

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "audio/BassApi.h"
#include "audio/Mingler.h"
#include "commands/CommandIds.h"
#include "commands/Instructor.h"
#include "controls/TheCarrier.h"
#include "controls/TheRoom.h"
#include "demogen/DemoWriter.h"
#include "model/LaneEdits.h"
#include "support/FaultLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kLineTickMs = 20;
constexpr int kFirstRangeSteps = 16;
constexpr int kRestEveryMs = 5000;
// How long a rest may take for the engine to let go of what played.
constexpr int kRestWaitMs = 2000;
constexpr int kRestPollMs = 20;
constexpr int kReportSettleMs = 500;
// The line moves every so often, so that it reaches a range's end and wraps now and then.
constexpr int kMoveLeastMs = 500;
constexpr int kMoveSpreadMs = 2500;
// What a fault's report shows of the moves and the readings before it.
constexpr size_t kRecentMoves = 4;
constexpr size_t kRecentReadings = 20;
// A late tick on a loaded machine: the wrap check allows this much beyond the measured time.
constexpr int64_t kReadingSlackMs = 250;

// The first line of the fault log, empty when nothing was written.
QString firstFaultLine() {
    QFile log(faultlog::FilePath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readLine()).trimmed();
}

} // namespace

SoakDriver::SoakDriver(const SoakOptions& options) : m_options(options), m_random(options.seed) {}

SoakDriver::~SoakDriver() = default;

QString SoakDriver::ChooseSoundFile(const QString&) {
    return m_sounds.at(pick(static_cast<int>(m_sounds.size())));
}

bool SoakDriver::prepareFolder() {
    const QDir folder(m_folder.path());
    // The built program's engine, texts and styles; its data folder of its own.
    if (!folder.mkpath("data"))
        return false;
    for (const char* name :
         {"libgbxaudio.so", "libgbxaudiomix.so", "libgbxaudioflac.so", "interior", "data/parlance"})
        if (!QFile::link(m_options.programFolder + "/" + name, folder.filePath(name)))
            return false;
    const QString demo = folder.filePath("data/demo");
    const QString fault = WriteDemo(demo);
    if (!fault.isEmpty()) {
        std::printf("soak: the demo could not be written: %s\n", qPrintable(fault));
        return false;
    }
    for (const QString& name : QDir(demo).entryList({"*.wav"}, QDir::Files))
        m_sounds << demo + "/" + name;
    QFile settings(folder.filePath("data/glorinbax.ini"));
    return !m_sounds.isEmpty() && settings.open(QIODevice::WriteOnly) &&
           settings.write("[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=0\n") > 0;
}

TTheRoom& SoakDriver::room() {
    return *TheRoomOf(m_session->Window()->Interior());
}

void SoakDriver::clickCell(int64_t x, int64_t y, bool right) {
    TTheRoom& r = room();
    const TRoomState& state = m_session->Model().room;
    const auto pixelX =
        static_cast<int32_t>(r.BoundsRect.Left + (x + state.OffsetX) * TTheRoom::kCellSize + 5);
    const auto pixelY =
        static_cast<int32_t>(r.BoundsRect.Top + (y + state.OffsetY) * TTheRoom::kCellSize + 5);
    r.MouseDown(right ? MouseButton::Right : MouseButton::Left, pixelX, pixelY, {});
    r.MouseUp(pixelX, pixelY);
}

void SoakDriver::pointTo(int64_t x, int64_t y) {
    room().MovePointTo(static_cast<int32_t>(x), static_cast<int32_t>(y));
}

int64_t SoakDriver::randomColumn() {
    TTheRoom& r = room();
    const int columns = std::max(1, r.BoundsRect.Width() / TTheRoom::kCellSize - 1);
    return pick(columns) - int64_t{m_session->Model().room.OffsetX};
}

int32_t SoakDriver::randomRow() {
    return pick(kLanes);
}

void SoakDriver::command(int id) {
    m_session->Instructor()->Commands().Run(id);
}

void SoakDriver::laneCommand(int id) {
    ContextCommands& contexts = m_session->Instructor()->Contexts();
    contexts.PickObjects(randomRow());
    contexts.Run(Dispatcher::Lane, id);
}

void SoakDriver::takeStep(int id) {
    command(id);
    // A step that gives the range back moves it as the ruler does: the line may jump.
    if (currentRange() != m_rangeBeforeMove)
        moved();
}

void SoakDriver::setRange(int64_t start, int steps) {
    const int32_t row = randomRow();
    pointTo(start, row);
    command(cmd::kRangeStartAtPoint);
    pointTo(start + steps, row);
    command(cmd::kRangeEndAtPoint);
}

void SoakDriver::rollFromRangeStartLooping() {
    m_rangeBeforeMove = currentRange();
    TTheMingler* mingler = m_session->Audio().Mingler();
    if (mingler && !mingler->RoundRobin())
        command(cmd::kSwitchLoopRange);
    command(cmd::kPlayFromRangeStart);
    moved();
}

void SoakDriver::addLaneAt(int32_t row) {
    pointTo(randomColumn(), row);
    ContextCommands& contexts = m_session->Instructor()->Contexts();
    contexts.PickObjects();
    contexts.Run(Dispatcher::Room, cmd::kChooseSoundFile);
}

void SoakDriver::fillLanes() {
    Arrangement& model = m_session->Model();
    ContextCommands& contexts = m_session->Instructor()->Contexts();
    for (int32_t row = 0; row < kLanes; ++row) {
        if (model.lanes.AtPosition(row))
            continue;
        addLaneAt(row);
        contexts.PickObjects(row);
        contexts.Run(Dispatcher::Lane, cmd::kBallEveryStep + pick(4));
    }
}

void SoakDriver::addEdits() {
    Arrangement& model = m_session->Model();
    const auto randomLane = [this, &model]() -> TLane* {
        return model.lanes.AtPosition(randomRow());
    };
    m_edits = weighted({
        {"place a ball", 30, [this] { clickCell(randomColumn(), randomRow(), false); }},
        {"remove a ball", 25,
         [this, &model] {
             if (model.balls.Count() == 0)
                 return;
             const TBall& ball = model.balls.At(pick(model.balls.Count()));
             clickCell(ball.X(), ball.Y(), true);
         }},
        {"lane loudness", 8,
         [this, &model, randomLane] {
             if (TLane* lane = randomLane())
                 SetLaneLoudnessFromSlider(model, *lane, pick(101));
         }},
        {"lane pan", 8,
         [this, &model, randomLane] {
             if (TLane* lane = randomLane())
                 SetLanePanFromSlider(model, *lane, pick(101));
         }},
        {"mute a lane", 3, [this] { laneCommand(cmd::kMuteLane); }},
        {"lay a lane's balls", 3, [this] { laneCommand(cmd::kBallEveryStep + pick(4)); }},
        {"scatter a lane's balls", 2, [this] { laneCommand(cmd::kRandomLaneBalls); }},
        {"empty a lane", 1, [this] { laneCommand(cmd::kRemoveLaneBalls); }},
        {"remove a lane", 2, [this] { laneCommand(cmd::kRemoveLane); }},
        {"add a lane", 2,
         [this, &model] {
             std::vector<int32_t> free;
             for (int32_t row = 0; row < kLanes; ++row)
                 if (!model.lanes.AtPosition(row))
                     free.push_back(row);
             if (free.empty())
                 return;
             addLaneAt(free[pick(static_cast<int>(free.size()))]);
         }},
        {"save", 1, [this] { m_session->Instructor()->KeepPlan(false); }},
        {"undo", 4, [this] { takeStep(cmd::kUndo); }},
        {"redo", 2, [this] { takeStep(cmd::kRedo); }},
    });
}

void SoakDriver::addMoves() {
    m_moves = weighted({
        {"switch looping", 1,
         [this] {
             command(cmd::kSwitchLoopRange);
             moved();
             m_loopingSwitchedAtMs = m_clock.elapsed();
         }},
        {"move the range", 1,
         [this] {
             // A few steps long, so that the line reaches the end and wraps now and then.
             setRange(randomColumn(), 2 + pick(12));
             moved();
         }},
        {"roll from the point", 1,
         [this] {
             pointTo(randomColumn(), randomRow());
             command(cmd::kPlayFromPoint);
             moved();
         }},
        {"pause or go on", 2,
         [this] {
             m_session->Carrier()->PauseToggle();
             moved();
         }},
    });
}

SoakDriver::StepList SoakDriver::weighted(std::vector<Step> steps) {
    StepList list{std::move(steps), 0};
    for (const Step& s : list.steps)
        list.totalWeight += s.weight;
    return list;
}

void SoakDriver::step(StepList& list) {
    if (m_resting || !m_fault.empty())
        return;
    int chosen = pick(list.totalWeight);
    for (Step& s : list.steps) {
        if (chosen < s.weight) {
            if (&list == &m_moves)
                note(m_recentMoves, kRecentMoves, s.name);
            m_rangeBeforeMove = currentRange();
            s.work();
            ++s.done;
            return;
        }
        chosen -= s.weight;
    }
}

PlayRange SoakDriver::currentRange() {
    const TThePlan& plan = m_session->Model().plan;
    return {plan.Start, plan.End};
}

void SoakDriver::moved() {
    m_line.Moved(m_rangeBeforeMove);
    m_movedAtMs = m_clock.elapsed();
}

void SoakDriver::note(std::deque<std::string>& events, size_t kept, const std::string& event) {
    events.push_back(std::to_string(m_clock.elapsed()) + " ms: " + event);
    if (events.size() > kept)
        events.pop_front();
}

int64_t SoakDriver::channelsBesideTheMixes() {
    const TTheMingler* mingler = m_session->Audio().Mingler();
    const int64_t mixes = mingler ? (mingler->Handle() != 0) + (mingler->AuditionHandle() != 0) : 0;
    return static_cast<int64_t>(Bass().BASS_GetConfig(GBXAUDIO_CONFIG_CHANNELS)) - mixes;
}

void SoakDriver::readLine() {
    const QString fault = firstFaultLine();
    if (!fault.isEmpty())
        fail("a fault was logged: " + fault.toStdString());
    Arrangement& model = m_session->Model();
    MixerView* view = m_session->Audio().View();
    TTheMingler* mingler = m_session->Audio().Mingler();
    if (!view || !mingler || !model.audio.MixerRunning() || m_resting)
        return;
    PositionReading reading;
    {
        MixerLock lock(model.audio);
        reading = view->HeardPosition();
    }
    if (!reading.ok)
        return;
    const long double perMs = model.plan.ElementRate.Value() * kElementsPerFrame / 1000.0L;
    const auto elapsed = static_cast<int64_t>(
        perMs * static_cast<long double>(m_sinceReading.restart() + kReadingSlackMs));
    note(m_recentReadings, kRecentReadings,
         "heard " + std::to_string(reading.position.count) + " in " +
             std::to_string(model.plan.Start.count) + ".." + std::to_string(model.plan.End.count) +
             (mingler->RoundRobin() ? ", looping" : "") + (mingler->Wrapped() ? ", wrapped" : ""));
    // What was mixed before a move is heard for up to the output's buffer after it.
    const auto bufferMs = static_cast<qint64>(Bass().BASS_GetConfig(BASS_CONFIG_BUFFER));
    const qint64 now = m_clock.elapsed();
    if (now - m_movedAtMs > bufferMs + kReadingSlackMs)
        m_line.MoveHeard();
    // Wraps mixed before looping went off are heard for up to the buffer after: a range shorter
    // than the buffer has several of them under way.
    const bool looping =
        mingler->RoundRobin() || now - m_loopingSwitchedAtMs <= bufferMs + kReadingSlackMs;
    if (!m_line.Read({reading.position, currentRange(), looping, {elapsed}})) {
        std::string events;
        for (const auto* list : {&m_recentMoves, &m_recentReadings})
            for (const std::string& event : *list)
                events += "\n  " + event;
        fail(m_line.Fault() + ", after:" + events);
    }
    m_channels.WhileRolling(channelsBesideTheMixes());
}

int64_t SoakDriver::settleAndCount() {
    m_rangeBeforeMove = currentRange();
    m_session->Carrier()->Settle();
    moved();
    QElapsedTimer waited;
    waited.start();
    int64_t alive = channelsBesideTheMixes();
    const std::optional<int64_t> baseline = m_channels.Baseline();
    while (baseline && alive > *baseline && waited.elapsed() < kRestWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kRestPollMs);
        QThread::msleep(kRestPollMs);
        alive = channelsBesideTheMixes();
    }
    return alive;
}

void SoakDriver::restAndCount() {
    if (m_resting || !m_fault.empty())
        return;
    m_resting = true;
    if (!m_channels.AtRest(settleAndCount()))
        fail(m_channels.Fault());
    m_resting = false;
    rollFromRangeStartLooping();
}

void SoakDriver::fail(const std::string& fault) {
    if (m_fault.empty())
        m_fault = fault;
    QCoreApplication::exit(1);
}

int SoakDriver::Run() {
    m_clock.start();
    if (!m_folder.isValid() || !prepareFolder()) {
        std::printf("soak: the program folder could not be made\n");
        return 1;
    }
    const ProgramFolders folders = ProgramFolders::ForExecutable(m_folder.filePath("glorinbax"));
    m_session = std::make_unique<ProgramSession>(SessionOptions{
        folders, m_folder.filePath("data/demo/") + kDemoPlanFile, SessionMode::Quit, this});
    if (m_session->Halted()) {
        std::printf("soak: the program did not start\n");
        return 1;
    }
    // Every lane's row in view, so that the mouse reaches them all.
    m_session->Window()->resize(1200, (kLanes + 4) * TTheRoom::kCellSize + 200);
    QCoreApplication::processEvents();
    room().SetOffsets(m_session->Model().room.OffsetX, 0);
    // Lanes are laid out over the range: a short one keeps the plan to a few hundred balls.
    setRange(randomColumn(), kFirstRangeSteps);
    fillLanes();
    addEdits();
    addMoves();
    rollFromRangeStartLooping();

    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [this] { step(m_edits); });
    steps.start(m_options.stepMs);
    QTimer moves;
    moves.setSingleShot(true);
    QObject::connect(&moves, &QTimer::timeout, [this, &moves] {
        step(m_moves);
        moves.start(kMoveLeastMs + pick(kMoveSpreadMs));
    });
    moves.start(kMoveLeastMs);
    QTimer line;
    QObject::connect(&line, &QTimer::timeout, [this] { readLine(); });
    line.start(kLineTickMs);
    m_sinceReading.start();
    QTimer rests;
    QObject::connect(&rests, &QTimer::timeout, [this] { restAndCount(); });
    rests.start(kRestEveryMs);
    QTimer::singleShot(m_options.seconds * 1000, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    steps.stop();
    moves.stop();
    line.stop();
    rests.stop();

    const int lanes = m_session->Model().lanes.Count();
    const int balls = m_session->Model().balls.Count();
    if (m_fault.empty() && !m_channels.AtRest(settleAndCount()))
        fail(m_channels.Fault());
    // The last report lines into the report window: a line queued when it is gone is a fault.
    QTimer::singleShot(kReportSettleMs, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    m_session->Close();
    m_session.reset();
    const QString fault = firstFaultLine();
    if (m_fault.empty() && !fault.isEmpty())
        m_fault = "a fault was logged: " + fault.toStdString();

    long total = 0;
    for (const StepList* list : {&m_edits, &m_moves})
        for (const Step& s : list->steps) {
            std::printf("  %-24s %8ld\n", s.name, s.done);
            total += s.done;
        }
    std::printf("soak: %d s, %ld steps, %d lanes and %d balls at the end; %ld line readings, "
                "%ld wraps; engine channels beside the mixes at rest %lld (first %lld), at most "
                "%lld over %d "
                "rests\n",
                m_options.seconds, total, lanes, balls, m_line.Readings(), m_line.Wraps(),
                static_cast<long long>(m_channels.Last()),
                static_cast<long long>(m_channels.Baseline().value_or(0)),
                static_cast<long long>(m_channels.Most()), m_channels.Rests());
    if (!m_fault.empty()) {
        std::printf("soak: FAILED: %s\n", m_fault.c_str());
        return 1;
    }
    std::printf("soak: passed\n");
    return 0;
}
