#include "ProgramFolderFixture.h"
#include "app/InteriorPeers.h"
#include "app/WindowMenuLink.h"
#include "audio/Mingler.h"
#include "commands/CommandIds.h"
#include "common/SineWav.h"
#include "controls/TheCarrier.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

namespace {

class ProgramCommandsWindowTest : public SessionFixture {
protected:
    void run(int id) { ASSERT_TRUE(session->Instructor()->Commands().Run(id)) << id; }
};

TEST_F(ProgramCommandsWindowTest, ThreeScreenshotsAreThreeNumberedPicturesOfTheWindow) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    for (int i = 0; i < 3; ++i)
        run(cmd::kTakeScreenshot);
    for (const char* name : {"snapshot.bmp", "snapshot_2.bmp", "snapshot_3.bmp"}) {
        const QImage saved(folders.dataFolder + name);
        EXPECT_EQ(saved.size(), session->Window()->size()) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(folders.dataFolder + "snapshot_4.bmp"));
}

TEST_F(ProgramCommandsWindowTest, FullScreenIsBorderlessAndComesBackToThePlacementBefore) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    TGlorinbaxMF& window = *session->Window();
    window.setGeometry(120, 90, 700, 500);
    const QRect before = window.geometry();
    run(cmd::kSwitchFullScreen);
    EXPECT_TRUE(window.FullScreen());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.isVisible());
    run(cmd::kSwitchFullScreen);
    EXPECT_FALSE(window.FullScreen());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.geometry(), before);
}

class OutputDeviceTest : public ProgramCommandsWindowTest {
protected:
    // A sound rolls at once on the "no sound" device.
    void SetUp() override {
        ProgramCommandsWindowTest::SetUp();
        WriteFile(dir.file("hit.wav"), SineWav(2));
        ASSERT_NO_FATAL_FAILURE(startSession(options(dir.file("hit.wav"))));
        ASSERT_TRUE(session->Carrier()->Rolling());
        link = std::make_unique<WindowMenuLink>(*session->Window(), session->Model(),
                                                session->Audio(), peers, settings, [this] {
                                                    ++questions;
                                                    return true;
                                                });
    }
    void TearDown() override {
        link.reset();
        ProgramCommandsWindowTest::TearDown();
    }

    InteriorPeers peers;
    TWideMemIniFile settings{QString{}};
    int questions = 0;
    std::unique_ptr<WindowMenuLink> link;
};

TEST_F(OutputDeviceTest, TheSelectedDeviceAsksNothingAndLeavesTheRollAlone) {
    const DWORD stream = session->Audio().Mingler()->Handle();
    link->SelectOutputDevice(AudioOutput::kNoSound);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(session->Audio().Mingler()->Handle(), stream);
    EXPECT_TRUE(session->Carrier()->Rolling());
}

TEST_F(OutputDeviceTest, AnotherDeviceRollsThePlanOnFromTheLine) {
    QTest::qWait(60);
    const Elements line = session->Carrier()->LinePosition();
    link->SelectOutputDevice(AudioOutput::kDefaultDevice);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(link->SelectedOutputDevice(), AudioOutput::kDefaultDevice);
    EXPECT_TRUE(session->Carrier()->Rolling());
    EXPECT_TRUE(session->Audio().Mingler()->Playing());
    EXPECT_EQ(session->Audio().Mingler()->Origin(), line) << "armed again where the line was";
}

} // namespace
