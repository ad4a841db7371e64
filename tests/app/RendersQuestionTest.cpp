// Renders still running are asked about before the window closes and before the output changes,
// both of which cut them off.
#include "MessageBoxAnswers.h"
#include "ProgramFolderFixture.h"
#include "QuietRenderHost.h"
#include "audio/MixerViewAdapter.h"
#include "audio/Perpetuator.h"
#include "commands/MenusContents.h"
#include "model/Arrangement.h"

#include <gtest/gtest.h>

namespace {

// The stop-renders box has Yes and No; the save question adds Cancel.
constexpr QMessageBox::StandardButtons kRendersButtons = QMessageBox::Yes | QMessageBox::No;

// The program as the user runs it, on the "no sound" device, with one render running (the
// render timer is not started, so it runs until stopped).
class RendersQuestion : public SessionFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
        SessionOptions interactive = options();
        interactive.mode = SessionMode::Interactive;
        ASSERT_NO_FATAL_FAILURE(startSession(interactive));
        auto* renders = dynamic_cast<MixerViewAdapter*>(session->Audio().View());
        ASSERT_NE(renders, nullptr);
        auto render = std::make_unique<TThePerpetuator>(
            session->Model(), session->Audio().Mingler(), host, RenderSettings{});
        ASSERT_TRUE(render->StartRender({dir.file("out.wav"), RenderOutput::Wav, 2, 16, {}}));
        renders->AddRender(std::move(render));
        ASSERT_EQ(renderCount(), 1);
    }
    // Closes even when a test left its render running.
    void TearDown() override {
        BoxAnswers stop({QMessageBox::Yes, QMessageBox::No});
        SessionFixture::TearDown();
    }
    int renderCount() { return session->Audio().View()->RenderCount(); }

    QuietRenderHost host; // outlives the session's renders
};

TEST_F(RendersQuestion, ClosingAsksAboutTheRendersBeforeThePlanAndNoKeepsTheWindowOpen) {
    session->Model().plan.SetModified(64, true);
    {
        BoxAnswers answers({QMessageBox::No});
        EXPECT_FALSE(session->Close()) << "closed with a render running, unasked";
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].buttons, kRendersButtons);
    }
    EXPECT_TRUE(session->Window()->isVisible());
    EXPECT_EQ(renderCount(), 1);
    EXPECT_TRUE(session->Model().plan.Modified());

    BoxAnswers answers({QMessageBox::Yes, QMessageBox::No});
    EXPECT_TRUE(session->Close());
    ASSERT_EQ(answers.seen.size(), 2u);
    EXPECT_EQ(answers.seen[0].buttons, kRendersButtons);
    EXPECT_TRUE(answers.seen[1].buttons.testFlag(QMessageBox::Cancel)) << "the save question next";
    EXPECT_EQ(renderCount(), 0);
}

TEST_F(RendersQuestion, ANewOutputDeviceAsksAboutTheRendersFirst) {
    AudioOutput& output = session->Audio().Output();
    ASSERT_EQ(output.Device, AudioOutput::kNoSound);
    CommandTable& commands = session->Instructor()->Commands();
    {
        BoxAnswers answers({QMessageBox::No});
        ASSERT_TRUE(commands.Run(cmd::kDefaultDevice));
        EXPECT_EQ(answers.seen.size(), 1u);
    }
    EXPECT_EQ(output.Device, AudioOutput::kNoSound) << "the output changed under the render";
    EXPECT_EQ(renderCount(), 1);

    BoxAnswers answers({QMessageBox::Yes});
    ASSERT_TRUE(commands.Run(cmd::kDefaultDevice));
    EXPECT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(output.Device, AudioOutput::kDefaultDevice);
    EXPECT_EQ(renderCount(), 0);
}

} // namespace
