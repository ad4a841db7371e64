#include "commands/MenusOutputDevices.h"

#include <gtest/gtest.h>

TEST(OutputDeviceTitle, NamesTheSoundSystemAndTheSoundServersByTheirOwnNames) {
    EXPECT_EQ(OutputDeviceTitle("pulse", "ALSA"), "PulseAudio (ALSA)");
    EXPECT_EQ(OutputDeviceTitle("pipewire", "ALSA"), "PipeWire (ALSA)");
    EXPECT_EQ(OutputDeviceTitle("default", "ALSA"), "default (ALSA)");
    EXPECT_EQ(OutputDeviceTitle("HDA Intel PCH: ALC3246 Analog (hw:0,0)", "ALSA"),
              "HDA Intel PCH: ALC3246 Analog (hw:0,0) (ALSA)");
    EXPECT_EQ(OutputDeviceTitle("system", "JACK Audio Connection Kit"),
              "system (JACK Audio Connection Kit)");
    // A JACK port named like an ALSA plug-in is not one.
    EXPECT_EQ(OutputDeviceTitle("pulse", "JACK Audio Connection Kit"),
              "pulse (JACK Audio Connection Kit)");
    EXPECT_EQ(OutputDeviceTitle("Speakers", ""), "Speakers");
}
