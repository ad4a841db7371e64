// Starting the output: the fall-back to the default device and to silence.
#include "AudioTestSupport.h"

#include "audio/AudioOutput.h"
#include "texts/Parlance.h"

using namespace audiotest;

namespace {

class Output : public ::testing::Test {
protected:
    void SetUp() override {
        LoadEngine();
        reportqueue::SetAccepting(true);
        reportqueue::TakeAll();
    }
    void TearDown() override {
        output.FreeBass();
        reportqueue::SetAccepting(false);
    }
    AudioOutput output;
};

TEST_F(Output, NoSoundDeviceStartsAndStopsWithoutReport) {
    output.Device = AudioOutput::kNoSound;
    EXPECT_TRUE(output.InitBass(44100));
    EXPECT_TRUE(output.Initialised());
    EXPECT_TRUE(reportqueue::TakeAll().empty());
    output.FreeBass();
    EXPECT_FALSE(output.Initialised());
    // Closed: streams cannot be made any more.
    EXPECT_EQ(Bass().BASS_StreamCreateFile(FALSE, "x.wav", 0, 0, 0), 0u);
    EXPECT_EQ(BassErrorName(), "BASS_ERROR_INIT");
}

TEST_F(Output, ChosenDeviceThatFailsFallsBackToTheDefaultAndSaysSo) {
    output.Device = 99;
    EXPECT_TRUE(output.InitBass(44100));
    EXPECT_EQ(output.Device, AudioOutput::kDefaultDevice);
    const std::vector<ReportLine> lines = reportqueue::TakeAll();
    ASSERT_FALSE(lines.empty());
    if (lines[0].subject == GetText(306)) {
        // A machine with sound: the default device took over.
        EXPECT_FALSE(lines[0].isError);
        EXPECT_EQ(lines[0].text, "BASS_ERROR_DEVICE (BASS_Init)");
    } else {
        // No sound card: the output could not start, and plays silently instead.
        EXPECT_EQ(lines[0].subject, Text(308));
        EXPECT_TRUE(lines[0].isError);
        EXPECT_TRUE(lines[0].text.endsWith(" (BASS_Init)"));
    }
    EXPECT_TRUE(output.Initialised());
}

TEST_F(Output, BufferLengthComesFromItsFormula) {
    output.Device = AudioOutput::kNoSound;
    ASSERT_TRUE(output.InitBass(44100));
    output.BufferMs.SetText("100 + 150");
    output.ApplyBassBuffer();
    EXPECT_EQ(Bass().BASS_GetConfig(BASS_CONFIG_BUFFER), 250u);
}

} // namespace
