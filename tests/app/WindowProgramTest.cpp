// The window program as the executable runs it for the command line's window forms.
#include "ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray settingsIn(const TempDir& dir) {
    QFile file(dir.file("data/glorinbax.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no settings file)");
}

TEST(WindowProgram, QuitWithoutTheEngineBesideTheProgramHaltsWithTheLoadersMessage) {
    TempDir dir;
    testing::internal::CaptureStderr();
    const ProgramEnd end = RunWindowProgram(dir.file("glorinbax"), QString(), SessionMode::Quit);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(end, ProgramEnd::Halted);
    EXPECT_NE(
        printed.find("BASS_Handle = 0; FilePath = " + dir.file("libgbxaudio.so").toStdString()),
        std::string::npos)
        << printed;
    EXPECT_FALSE(settingsIn(dir).contains("HandoutShown=1")) << "a halt saves nothing else";
}

TEST(WindowProgram, QuitBesideTheEngineClosesAsTheUserWould) {
    TempDir dir;
    ASSERT_NO_FATAL_FAILURE(LinkEngineInto(dir));
    EXPECT_EQ(RunWindowProgram(dir.file("glorinbax"), QString(), SessionMode::Quit),
              ProgramEnd::Closed);
    EXPECT_TRUE(settingsIn(dir).contains("HandoutShown=1")) << "written at every exit";
}

} // namespace
