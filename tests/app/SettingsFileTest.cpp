#include "app/SettingsFile.h"
#include "common/FileBytes.h"
#include "common/TempDir.h"
#include "controls/Interior.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { faultlog::SetFolder(folders.dataFolder); }
    TempDir dir;
    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
};

TEST_F(SettingsFileTest, FirstRunWritesEveryFreshValueInTableOrder) {
    {
        ProgramSettings settings(folders);
        const StartupSettings s = ReadStartupSettings(settings.Store(), folders.programFolder);
        EXPECT_EQ(s.bufferMsText, "500");
        EXPECT_EQ(s.bassFlacLibrary, "libgbxaudioflac.so");
        EXPECT_EQ(s.bassLibrary, folders.programFolder + "libgbxaudio.so");
        EXPECT_EQ(settings.Store().ReadInteger("Main", "SelectedInteriorStyle", 0), 2);
        EXPECT_TRUE(settings.Store().ReadBool("Carrier", "RollOnStartup", false));
        EXPECT_TRUE(settings.Store().ReadBool("Audio.Out", "FadeInOnStartup", false));
    }
    const QString text = QString::fromUtf8(ReadAll(folders.settingsFile));
    EXPECT_TRUE(text.startsWith("[Main]\nHandoutShown=0\nFullScreen=0\nEditorialProgram=\n"
                                "EditorialProgramFolder=\nLanguages=English,Français,Deutsch,"
                                "Русский,Українська\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("InteriorStyles.ru=\"По умолчанию\",Космический,Овощной\n"));
    EXPECT_TRUE(text.contains("[Perpetuator]\nBufferBytes=65536\n"));
    EXPECT_TRUE(text.contains("EncoderDLL=libgbxlame.so\n[Audio.Out]\nBufferMS=500\n"));
    EXPECT_TRUE(text.endsWith("[GlorinbaxMF]\nState=0\n"));
    EXPECT_EQ(text.count("EditorialProgramFolder="), 1);
}

TEST_F(SettingsFileTest, AnExistingFileWithOnlyASectionGetsEveryReadersDefault) {
    WriteFile(folders.settingsFile, "[Main]\n");
    ProgramSettings settings(folders);
    const StartupSettings s = ReadStartupSettings(settings.Store(), folders.programFolder);
    EXPECT_EQ(s.bufferMsText, "1000");
    EXPECT_EQ(s.selectedDevice, -1);
    EXPECT_EQ(s.bassMixLibrary, folders.programFolder + "libgbxaudiomix.so");
    EXPECT_EQ(s.rulerFont, folders.programFolder + "interior/Default/glorinbax-ruler.ttf");
    const InteriorSettings interior = InteriorSettings::FromStore(settings.Store());
    EXPECT_EQ(interior.selectedStyle, 0);
    EXPECT_FALSE(interior.watch.allowOutOfRange);
    EXPECT_TRUE(interior.laneStrip.metersVisible);
}

TEST_F(SettingsFileTest, WindowsPathsInSettingsUseSlashes) {
    WriteFile(folders.settingsFile, "[Main]\nBassDLL=engine\\libgbxaudio.so\n");
    ProgramSettings settings(folders);
    EXPECT_EQ(ReadStartupSettings(settings.Store(), folders.programFolder).bassLibrary,
              "engine/libgbxaudio.so");
}

TEST_F(SettingsFileTest, ExitWritesItsKeysAndHandoutShownIsAlwaysSet) {
    {
        ProgramSettings settings(folders);
        ExitSettings state;
        state.watchSecondMode = true;
        state.bufferMsText = "2*250";
        state.rightMasterMeter = true;
        SaveSettings(settings.Store(), state);
    }
    TWideMemIniFile reread(folders.settingsFile);
    EXPECT_EQ(reread.ReadString("Main", "HandoutShown", ""), "1");
    EXPECT_EQ(reread.ReadString("Watch", "Mode", ""), "1");
    EXPECT_EQ(reread.ReadString("Audio.Out", "BufferMS", ""), "2*250");
    EXPECT_EQ(reread.ReadString("MasterMeters", "L.Visible", ""), "0");
    EXPECT_EQ(reread.ReadString("MasterMeters", "R.Visible", ""), "1");
}

TEST_F(SettingsFileTest, AnUnwritableSettingsFileIsAFaultNotACrash) {
    ProgramSettings settings(folders);
    QDir().mkpath(folders.settingsFile + "/blocked"); // a folder where the file should go
    EXPECT_FALSE(settings.Write());
    EXPECT_TRUE(ReadAll(faultlog::FilePath()).contains("ProgramSettings.Write was at fault here"));
}

TEST_F(SettingsFileTest, AnUnreadableSettingsFileIsNeverWrittenOver) {
    QDir().mkpath(folders.settingsFile); // exists, but cannot be read as a file
    {
        ProgramSettings settings(folders);
        EXPECT_EQ(settings.Store().ReadString("Audio.Out", "BufferMS", ""), "500");
        EXPECT_FALSE(settings.Write());
    }
    EXPECT_TRUE(QFileInfo(folders.settingsFile).isDir());
    EXPECT_TRUE(ReadAll(faultlog::FilePath()).contains("LoadSettings was at fault here"));
}

} // namespace
