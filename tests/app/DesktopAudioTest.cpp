// Start-up and shut-down on whatever sound output the machine has: on a desktop that is ALSA's
// default device through a sound server's plug-in, with the server running or not.
#include "ProgramFolderFixture.h"
#include "controls/TheCarrier.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstdlib>

namespace {

// Runs of a copy of the program folder start from the fresh settings: the default device,
// rolling on start-up.
class DesktopAudio : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(CopyProgramFolder(dir)); }

    TempDir dir;
    const QString demo = dir.file("data/demo/demo.skw");
};

struct ProgramRun {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    std::string output;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ProgramRun run;
    run.finished = process.waitForFinished(120'000);
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.output = process.readAll().toStdString();
    return run;
}

// The built program as a user runs it: the engine's libraries, PortAudio and ALSA come up, a
// plan rolls on start-up, and closing must take all of it down before the process ends.
TEST_F(DesktopAudio, TheProgramQuitsWithCodeZeroWithAndWithoutAPlan) {
    for (const QStringList& arguments : {QStringList{"--quit"}, QStringList{"--quit", demo}}) {
        QFile::remove(dir.file("data/glorinbax.ini"));
        const ProgramRun run = runProgram(dir.file("glorinbax"), arguments);
        const std::string shown = arguments.join(' ').toStdString();
        ASSERT_TRUE(run.finished) << shown;
        EXPECT_EQ(run.status, QProcess::NormalExit) << shown << ": ended by a signal\n"
                                                    << run.output;
        EXPECT_EQ(run.code, 0) << shown << "\n" << run.output;
        EXPECT_TRUE(QFile::exists(dir.file("data/glorinbax.ini"))) << shown;
    }
}

// A second of sound on the default device, then closing: the process, not just the session,
// must end cleanly, with nothing of the audio stack left to run into unloaded code at exit.
TEST_F(DesktopAudio, AfterASecondOfRollingTheProcessEndsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
    EXPECT_EXIT(
        {
            bool rolled = false;
            {
                ProgramSession session({folders, demo, SessionMode::Quit});
                const Elements from = session.Carrier()->LinePosition();
                rolled = session.Carrier()->Rolling();
                QTest::qWait(1000);
                for (int i = 0; i < 100 && session.Carrier()->LinePosition() <= from; ++i)
                    QTest::qWait(50);
                rolled = rolled && session.Carrier()->LinePosition() > from && session.Close();
            }
            std::exit(rolled ? 0 : 2);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
