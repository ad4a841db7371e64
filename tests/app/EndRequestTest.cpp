// Requests to end the program from outside (SIGTERM, SIGINT): it closes asking nothing, keeps a
// changed plan's side copy beside the plan's file and writes its settings.
#include "MessageBoxAnswers.h"
#include "ProgramFolderFixture.h"
#include "app/TermSignals.h"
#include "controls/TheCarrier.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

namespace {

const QByteArray kPlan = "[Main]\r\n[0]\r\nX=4\r\nY=0\r\n[1]\r\nX=9\r\nY=2\r\n";
// The handout is taken as seen: its window must not stand over the room the tests click in.
const QByteArray kRollingOnNoSound =
    "[Main]\nHandoutShown=1\n[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=1\n";

TEST(TermSignalsTest, RequestsAreKeptUntilAnsweredAndTheOldHandlersComeBack) {
    struct sigaction before = {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &before), 0);
    int ends = 0;
    {
        TermSignals requests;
        // Without the handler this would end the test program.
        ASSERT_EQ(raise(SIGTERM), 0);
        QTest::qWait(20);
        EXPECT_EQ(ends, 0);
        requests.OnRequest([&ends] { ++ends; });
        EXPECT_TRUE(QTest::qWaitFor([&ends] { return ends == 1; }))
            << "a request before there was an answer was lost";
        ASSERT_EQ(raise(SIGINT), 0);
        EXPECT_TRUE(QTest::qWaitFor([&ends] { return ends == 2; }));
        QTest::qWait(20);
        EXPECT_EQ(ends, 2) << "one signal, one answer";
    }
    struct sigaction after = {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &after), 0);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

// Started with SIGINT ignored (as nohup starts it), the program must go on ignoring it.
TEST(TermSignalsTest, ASignalIgnoredFromTheStartStaysIgnored) {
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before = {};
    ASSERT_EQ(sigaction(SIGINT, &ignore, &before), 0);
    struct sigaction duringInt = {};
    struct sigaction duringTerm = {};
    {
        TermSignals requests;
        ASSERT_EQ(sigaction(SIGINT, nullptr, &duringInt), 0);
        ASSERT_EQ(sigaction(SIGTERM, nullptr, &duringTerm), 0);
    }
    struct sigaction after = {};
    ASSERT_EQ(sigaction(SIGINT, &before, &after), 0);
    EXPECT_EQ(duringInt.sa_handler, SIG_IGN) << "the ignored SIGINT would end the program";
    EXPECT_NE(duringTerm.sa_handler, SIG_DFL) << "SIGTERM is still a request";
    EXPECT_EQ(after.sa_handler, SIG_IGN);
}

// A session as the program runs it, answering end requests.
class EndRequest : public ProgramFolderFixture {
protected:
    // Rolling a plan file, with a ball more than the file has.
    void startChanged(SessionMode mode) {
        WriteFile(planFile, kPlan);
        WriteFile(folders.settingsFile, kRollingOnNoSound);
        session = std::make_unique<ProgramSession>(SessionOptions{folders, planFile, mode});
        ASSERT_FALSE(session->Halted());
        ASSERT_TRUE(session->Carrier()->Rolling());
        Arrangement& model = session->Model();
        {
            MixerLock lock(model.audio);
            ASSERT_NE(model.balls.Add(6, 1, TPiece::kNoOwnHue, false), nullptr);
        }
        model.plan.SetModified(64, true);
        sideCopy = dir.file("song_" + Text(94) + ".skw"); // while the texts are there
        requests.OnRequest([this] { session->EndWithoutQuestions(); });
    }
    // Ends the session: the file stays as it was, and the side copy holds the changed plan.
    void expectKeptBesideTheFile() {
        requests.OnRequest({});
        session.reset();
        EXPECT_EQ(ReadAll(planFile), kPlan);
        Arrangement kept;
        ASSERT_TRUE(LoadPlan(kept, sideCopy, {})) << "no side copy at " << sideCopy.toStdString();
        EXPECT_EQ(kept.balls.Count(), 3);
    }

    TermSignals requests; // outlives the session
    std::unique_ptr<ProgramSession> session;
    const QString planFile = dir.file("song.skw");
    QString sideCopy;
};

// Closed, the window's questions not asked (here they would drop the changes), the side copy
// written at the end.
TEST_F(EndRequest, WhileRollingAChangedPlanIsKeptBesideItsFileAndTheFileIsLeftAlone) {
    ASSERT_NO_FATAL_FAILURE(startChanged(SessionMode::Quit));
    ASSERT_EQ(raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return session->Closed(); }));
    ASSERT_NO_FATAL_FAILURE(expectKeptBesideTheFile());
    const QString settings = QString::fromUtf8(ReadAll(folders.settingsFile));
    EXPECT_TRUE(settings.contains("HandoutShown=1")) << settings.toStdString();
}

// A plan that never had a file goes where the auto-save keeps plans, rather than being lost.
TEST_F(EndRequest, AChangedPlanWithoutAFileIsKeptWhereTheAutoSaveKeepsPlans) {
    WriteFile(folders.settingsFile, kRollingOnNoSound);
    session = std::make_unique<ProgramSession>(SessionOptions{folders, {}, SessionMode::Quit});
    ASSERT_FALSE(session->Halted());
    Arrangement& model = session->Model();
    ASSERT_TRUE(model.plan.Untitled);
    {
        MixerLock lock(model.audio);
        ASSERT_NE(model.balls.Add(3, 0, TPiece::kNoOwnHue, false), nullptr);
    }
    model.plan.SetModified(64, true);
    const QString autoSaved = folders.dataFolder + Text(319);
    ASSERT_FALSE(Text(319).isEmpty());
    requests.OnRequest([this] { session->EndWithoutQuestions(); });
    ASSERT_EQ(raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return session->Closed(); }));
    requests.OnRequest({});
    session.reset();
    Arrangement kept;
    ASSERT_TRUE(LoadPlan(kept, autoSaved, {})) << "nothing at " << autoSaved.toStdString();
    EXPECT_EQ(kept.balls.Count(), 1);
}

// Ending must not wait for a user who is not there: a question still open ends unanswered.
TEST_F(EndRequest, ARequestWhileTheSaveQuestionIsOpenEndsWithoutAnAnswer) {
    ASSERT_NO_FATAL_FAILURE(startChanged(SessionMode::Interactive));
    BoxAnswers boxes({BoxAnswers::kLeaveOpen});
    boxes.beforeAnswer = [] { raise(SIGTERM); };
    // Should the request not end the question, the test fails instead of waiting for ever.
    QObject watch;
    bool stillOpen = false;
    QTimer::singleShot(30'000, &watch, [&stillOpen] {
        stillOpen = true;
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
        QCoreApplication::exit(1);
    });
    QTimer::singleShot(0, &watch, [this] { session->Close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(stillOpen);
    ASSERT_EQ(boxes.seen.size(), 1u) << "the save question was not asked";
    ASSERT_NO_FATAL_FAILURE(expectKeptBesideTheFile());
}

// The built program, started and signalled as a desktop session or a service manager does.
class EndRequestProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CopyProgramFolder(dir));
        WriteFile(settingsFile, kRollingOnNoSound);
    }

    // Starts the program on a file, on the platform the environment names.
    void start(const QString& file, QProcessEnvironment environment) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           environment.value(QStringLiteral("QT_QPA_PLATFORM"), "offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(dir.file("glorinbax"), {file});
        ASSERT_TRUE(program.waitForStarted());
    }

    // Signals the program once its handlers are in place (before them the signal would end it at
    // once); false when it did not then end normally with code 0.
    bool signalAndWait(int signal) {
        const auto ready = [this, signal] {
            return program.state() != QProcess::Running ||
                   catchesSignal(program.processId(), signal);
        };
        const bool handled = QTest::qWaitFor(ready, 60'000) && program.state() == QProcess::Running;
        EXPECT_TRUE(handled) << "the program never caught signal " << signal;
        if (program.state() == QProcess::Running)
            ::kill(static_cast<pid_t>(program.processId()), handled ? signal : SIGKILL);
        const bool finished = program.waitForFinished(60'000);
        output = program.readAll().toStdString();
        return finished && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    }

    // The kernel's mask of the signals a process has handlers for.
    static bool catchesSignal(qint64 pid, int signal) {
        const QByteArray status = ReadAll(QStringLiteral("/proc/%1/status").arg(pid));
        const qsizetype at = status.indexOf("SigCgt:");
        if (at < 0)
            return false;
        const qsizetype end = status.indexOf('\n', at);
        const quint64 mask = status.mid(at + 7, end - at - 7).trimmed().toULongLong(nullptr, 16);
        return (mask >> (signal - 1)) & 1;
    }

    QString settingsText() const { return QString::fromUtf8(ReadAll(settingsFile)); }

    TempDir dir;
    const QString settingsFile = dir.file("data/glorinbax.ini");
    QProcess program;
    std::string output;
};

TEST_F(EndRequestProgram, RollingThePlanItEndsWithCodeZeroAndItsSettingsWritten) {
    const QString planFile = dir.file("song.skw");
    WriteFile(planFile, kPlan);
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        QFile::remove(settingsFile);
        WriteFile(settingsFile, kRollingOnNoSound);
        ASSERT_NO_FATAL_FAILURE(start(planFile, QProcessEnvironment::systemEnvironment()));
        EXPECT_TRUE(signalAndWait(signal)) << output;
        EXPECT_TRUE(settingsText().contains("HandoutShown=1")) << settingsText().toStdString();
        EXPECT_EQ(ReadAll(planFile), kPlan);
        EXPECT_EQ(QDir(dir.path()).entryList({"*.skw"}, QDir::Files), QStringList{"song.skw"})
            << "an unchanged plan has no side copy";
    }
}

// An X server of the test's own. The server picks a free display itself and writes its number
// to standard output once it accepts clients, so tests and journeys running beside it never race
// for a number. Without -noreset the server resets whenever its last client leaves, as each
// xdotool call does, and refuses the program's connection while it resets.
QString startXServer(QProcess& server, const QString& xvfb) {
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.start(
        xvfb, {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server.waitForStarted())
        return {};
    QByteArray number;
    const bool answered = QTest::qWaitFor(
        [&] {
            number += server.readAllStandardOutput();
            return number.contains('\n') || server.state() != QProcess::Running;
        },
        30'000);
    if (!answered || server.state() != QProcess::Running)
        return {};
    return ":" + QString::fromLatin1(number.trimmed());
}

// Only a user changes a plan while it rolls: here through the Insert key on a display of its own.
TEST_F(EndRequestProgram, AChangedPlanIsKeptBesideItsFileWhichIsLeftAlone) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfb.isEmpty() || xdotool.isEmpty())
        GTEST_SKIP() << "Xvfb and xdotool are needed to change the plan as a user does";
    QProcess server;
    const QString display = startXServer(server, xvfb);
    ASSERT_FALSE(display.isEmpty()) << "no X server started";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const auto tool = [&](const QStringList& arguments) {
        QProcess run;
        run.setProcessEnvironment(environment);
        run.start(xdotool, arguments);
        run.waitForFinished();
        return QString::fromUtf8(run.readAllStandardOutput()).trimmed();
    };

    const QString planFile = dir.file("song.skw");
    WriteFile(planFile, kPlan);
    ASSERT_NO_FATAL_FAILURE(start(planFile, environment));
    QString window;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            window = tool({"search", "--onlyvisible", "--pid", QString::number(program.processId()),
                           "--name", "song"})
                         .section('\n', 0, 0);
            return !window.isEmpty() || program.state() != QProcess::Running;
        },
        60'000));
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAll().toStdString();
    // A ball placed by a click in the room's second row, which is empty. A click needs no
    // keyboard focus, which a window without a window manager may not hold while it is mapped;
    // it is repeated until the title shows the change.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            tool({"mousemove", "--window", window, "213", "49", "click", "1"});
            return QTest::qWaitFor(
                [&] {
                    return tool({"getwindowname", window}).startsWith("* ");
                },
                3'000);
        },
        30'000))
        << "the plan did not change";
    EXPECT_TRUE(signalAndWait(SIGTERM)) << output;
    server.terminate();
    server.waitForFinished();

    EXPECT_EQ(ReadAll(planFile), kPlan);
    // The copy's name has a word of the language the program chose.
    const QStringList copies = QDir(dir.path()).entryList({"song_*.skw"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1) << copies.join(' ').toStdString();
    Arrangement kept;
    ASSERT_TRUE(LoadPlan(kept, dir.file(copies[0]), {}));
    EXPECT_EQ(kept.balls.Count(), 3);
    EXPECT_TRUE(settingsText().contains("HandoutShown=1")) << settingsText().toStdString();
}

} // namespace
