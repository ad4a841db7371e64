#include "ProgramFolderFixture.h"
#include "audio/Mingler.h"
#include "commands/MenusItems.h"
#include "common/SineWav.h"
#include "controls/DrawingSurfaces.h"
#include "controls/FlagPainter.h"
#include "controls/TheCarrier.h"
#include "controls/TheRoom.h"
#include "controls/TheWatch.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QTest>

#include <cmath>

namespace {

// Lets the event loop run until the line passes the position, or five seconds went by.
bool lineMovesPast(ProgramSession& session, Elements position) {
    for (int i = 0; i < 100 && session.Carrier()->LinePosition() <= position; ++i)
        QTest::qWait(50);
    return session.Carrier()->LinePosition() > position;
}

class ProgramSessionTest : public ProgramFolderFixture {
protected:
    // The settings a run starts from; a file with any section takes every reader's default.
    void writeSettings(const QByteArray& text) { WriteFile(folders.settingsFile, text); }
    // English as shipped, and a test language "xx" whose range texts (86 and 87) are longer.
    void writeLanguages() {
        const QString shipped = QStringLiteral(GBX_SOURCE_DIR "/data/parlance/");
        const QString parlance = folders.dataFolder + "parlance/";
        for (const QString name : {"instructions_", "nomenclature_"}) {
            const QByteArray english = ReadAll(shipped + name + "en.txt");
            WriteFile(parlance + name + "en.txt", english);
            QList<QByteArray> lines = english.split('\n');
            if (name == "nomenclature_") {
                lines[85] = "beginning of the range";
                lines[86] = "end of the range";
            }
            WriteFile(parlance + name + "xx.txt", lines.join('\n'));
        }
    }
    QString settingsText() const { return QString::fromUtf8(ReadAll(folders.settingsFile)); }
};

TEST_F(ProgramSessionTest, QuitInAnEmptyProgramFolderLeavesACompleteSettingsFile) {
    {
        ProgramSession session(options());
        ASSERT_FALSE(session.Halted());
        ASSERT_TRUE(session.Window()->isVisible());
        EXPECT_TRUE(session.Window()->Started());
        EXPECT_TRUE(session.Window()->LaidOut());
        EXPECT_TRUE(session.Model().plan.Untitled);
        EXPECT_FALSE(session.Carrier()->Rolling()) << "a new plan does not roll";
        EXPECT_TRUE(session.Close());
        EXPECT_FALSE(session.Window()->isVisible());
    }
    const QString text = settingsText();
    EXPECT_TRUE(text.contains("HandoutShown=1\n")) << "written at every exit";
    for (const char* key : {"[Perpetuator]", "EncoderDLL=libgbxlame.so", "BufferMS=500\n",
                            "RollOnStartup=1\n", "FollowTheLine=1\n", "L.Visible=1\n"})
        EXPECT_TRUE(text.contains(key)) << key;
    const TWideMemIniFile ini(folders.settingsFile);
    EXPECT_TRUE(ini.ValueExists("Audio.Out", "SelectedDevice"));
    EXPECT_EQ(ini.ReadInteger("GlorinbaxMF", "State", -1), 0);
    EXPECT_EQ(ini.ReadInteger("GlorinbaxMF", "Width", 0), 768);
    EXPECT_EQ(ini.ReadInteger("GlorinbaxMF", "Height", 0), 544);
    for (const char* key : {"Left", "Top", "Screens"})
        EXPECT_TRUE(ini.ValueExists("GlorinbaxMF", key)) << key;
}

TEST_F(ProgramSessionTest, TheWindowComesBackWhereItWasLeftOnTheSameScreens) {
    {
        ProgramSession session(options());
        session.Window()->setGeometry(30, 40, 700, 500);
        session.Close();
    }
    {
        ProgramSession session(options());
        EXPECT_EQ(session.Window()->geometry(), QRect(30, 40, 700, 500));
        session.Close();
    }
    // Saved under other screens, the position might be off every screen: only the size stays.
    TWideMemIniFile ini(folders.settingsFile);
    ini.WriteString("GlorinbaxMF", "Screens", "0,0,3840,2160;3840,0,1920,1080");
    ini.WriteInteger("GlorinbaxMF", "Left", 4000);
    ini.UpdateFile();
    ProgramSession session(options());
    EXPECT_EQ(session.Window()->size(), QSize(700, 500));
    EXPECT_NE(session.Window()->x(), 4000);
    session.Close();
}

TEST_F(ProgramSessionTest, APlanNamedOnTheCommandLineIsLoadedAndNamesTheWindow) {
    const QString plan = dir.file("Two Balls.SKW"); // the extension test ignores case
    WriteFile(plan, "[0]\r\nX=4\r\nY=0\r\n[1]\r\nX=9\r\nY=2\r\n");
    writeSettings("[Carrier]\nRollOnStartup=0\n");
    ProgramSession session(options(plan));
    const TThePlan& model = session.Model().plan;
    EXPECT_EQ(session.Model().balls.Count(), 2);
    EXPECT_EQ(model.FileName, plan);
    EXPECT_FALSE(model.Untitled);
    EXPECT_FALSE(model.Modified());
    EXPECT_TRUE(session.Window()->windowTitle().contains("Two Balls"))
        << session.Window()->windowTitle().toStdString();
    EXPECT_FALSE(session.Carrier()->Rolling());
    session.Close();
}

TEST_F(ProgramSessionTest, ASoundFileIsPlacedAtTheOriginAndRollsButNeverNamesThePlan) {
    const QString wav = dir.file("hit.wav");
    const QByteArray sound = SineWav(2);
    WriteFile(wav, sound);
    writeSettings("[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=0\n");
    {
        ProgramSession session(options(wav));
        Arrangement& model = session.Model();
        ASSERT_EQ(model.lanes.Count(), 1);
        const TPiece& lane = model.lanes.At(0).Piece();
        ASSERT_NE(lane.Resource, nullptr);
        EXPECT_EQ(lane.Resource->FullName, wav);
        EXPECT_GT(lane.Resource->Life, 0) << "the sound was opened and measured";
        EXPECT_EQ(lane.Handle, "hit");
        const TBall* ball = model.balls.Find(0, 0);
        ASSERT_NE(ball, nullptr);
        EXPECT_EQ(ball->Lane(), &model.lanes.At(0));
        EXPECT_EQ(ball->Values().EffectiveResource(), lane.Resource);

        EXPECT_TRUE(session.Carrier()->Rolling()) << "a sound rolls whatever RollOnStartup says";
        EXPECT_TRUE(session.Audio().Mingler()->Playing());
        EXPECT_TRUE(session.Window()->Timers().LineTimer.isActive());
        EXPECT_FALSE(session.Window()->Timers().FadeTimer.isActive()) << "no fade-in for a sound";
        EXPECT_TRUE(lineMovesPast(session, Elements{0}));

        EXPECT_TRUE(model.plan.Modified());
        EXPECT_TRUE(model.plan.Untitled);
        EXPECT_NE(model.plan.FileName, wav);
        EXPECT_TRUE(session.Close());
    }
    EXPECT_EQ(ReadAll(wav), sound);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.skw", "*.ini"}, QDir::Files), QStringList());
    EXPECT_EQ(QDir(folders.dataFolder).entryList({"*.skw"}, QDir::Files), QStringList());
}

TEST_F(ProgramSessionTest, TheDemoPlanRollsFromItsRangeStartAndFadesIn) {
    writeSettings("[Audio.Out]\nSelectedDevice=0\nFadeInOnStartup=1\n"
                  "[Carrier]\nRollOnStartup=1\nSettleTo=1\nRollFrom=3\n");
    ProgramSession session(options(QStringLiteral(GBX_PROGRAM_DIR "/data/demo/demo.skw")));
    const TThePlan& plan = session.Model().plan;
    EXPECT_GT(session.Model().balls.Count(), 0);
    EXPECT_TRUE(plan.LoadMessages.isEmpty()) << plan.LoadMessages.toStdString();
    EXPECT_GT(plan.Start, Elements{0});
    // The last roll is the settle mark (the range's start), and the roll starts from it.
    EXPECT_EQ(session.Carrier()->LastRollPosition(), plan.Start);
    EXPECT_TRUE(session.Carrier()->Rolling());
    EXPECT_TRUE(session.Window()->Timers().FadeTimer.isActive());
    EXPECT_TRUE(lineMovesPast(session, plan.Start));
    EXPECT_TRUE(session.Close());
}

TEST_F(ProgramSessionTest, AMissingEngineLibraryHaltsWithTheLoadersMessage) {
    const QString missing = dir.file("gone/libgbxaudio.so");
    writeSettings(("[Main]\nBassDLL=" + missing + "\n").toUtf8());
    testing::internal::CaptureStderr();
    {
        ProgramSession session(options());
        EXPECT_TRUE(session.Halted());
        EXPECT_EQ(session.Window(), nullptr);
        EXPECT_EQ(session.Carrier(), nullptr);
    }
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find(("BASS_Handle = 0; FilePath = " + missing).toStdString()),
              std::string::npos)
        << printed;
    EXPECT_FALSE(settingsText().contains("HandoutShown")) << "a halt saves nothing else";
}

// Whether the window shows the flag's caption box: its two outer columns, where no letter
// reaches, in the caption colour.
bool captionBoxShown(TGlorinbaxMF& window, const TFlag& flag) {
    const TTheInterior& in = window.Interior();
    const int width =
        QFontMetrics(FlagCaptionFont(in.RulerFontFamily)).horizontalAdvance(flag.Caption);
    const int left = flag.CaptionOnLeft ? flag.PixelX - width - 4 : flag.PixelX + 1;
    const int right = flag.CaptionOnLeft ? flag.PixelX - 1 : flag.PixelX + width + 4;
    const int y = in.Ruler->BoundsRect.Top + 1;
    const QImage& shown = in.Surfaces.CompositionBitmap;
    const QRgb box = ToQColor(flag.CaptionColour).rgb();
    return shown.pixel(left, y) == box && shown.pixel(right, y) == box;
}

TEST_F(ProgramSessionTest, TheFlagCaptionsInTheWindowComeFromTheLanguageInForce) {
    writeLanguages();
    writeSettings("[Main]\nLanguages=English,Test\nLanguageCodes=en,xx\nSelectedLanguage=0\n"
                  "[Carrier]\nRollOnStartup=0\n");
    const QString plan = dir.file("range.skw");
    WriteFile(plan, "[Main]\r\nStart=44100\r\nEnd=220500\r\n[0]\r\nX=4\r\nY=0\r\n");
    ProgramSession session(options(plan));
    TGlorinbaxMF& window = *session.Window();
    const TRoomState& room = session.Model().room;
    ASSERT_FALSE(room.StartFlag().CaptionOnLeft) << "the flags lie far apart";
    EXPECT_EQ(room.StartFlag().Caption, "Start");
    EXPECT_EQ(room.EndFlag().Caption, "End");
    EXPECT_TRUE(captionBoxShown(window, room.StartFlag()));
    EXPECT_TRUE(captionBoxShown(window, room.EndFlag()));
    TFlag longerStart = room.StartFlag();
    longerStart.Caption = "beginning of the range";
    EXPECT_FALSE(captionBoxShown(window, longerStart));

    ASSERT_TRUE(SelectLanguage(1));
    EXPECT_EQ(room.StartFlag().Caption, "beginning of the range");
    EXPECT_EQ(room.EndFlag().Caption, "end of the range");
    EXPECT_TRUE(captionBoxShown(window, room.StartFlag()));
    EXPECT_TRUE(captionBoxShown(window, room.EndFlag()));
    session.Close();
}

TEST_F(ProgramSessionTest, TheMenusAreBuiltAgainInTheLanguageChosen) {
    const QString parlance = folders.dataFolder + "parlance/";
    for (const QString name : {"instructions_", "nomenclature_"}) {
        const QByteArray english =
            ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/") + name + "en.txt");
        WriteFile(parlance + name + "en.txt", english);
        QList<QByteArray> lines = english.split('\n');
        if (name == "instructions_")
            lines[1102 - 1025] = "Start &Afresh";
        WriteFile(parlance + name + "xx.txt", lines.join('\n'));
    }
    writeSettings("[Main]\nLanguages=English,Test\nLanguageCodes=en,xx\nSelectedLanguage=0\n"
                  "[Carrier]\nRollOnStartup=0\n");
    ProgramSession session(options());
    const auto newPlanCaption = [&] {
        return FindItem(*session.Menus().MainPopup(), 1102)->text();
    };
    EXPECT_EQ(newPlanCaption(), CommandCaption(1102));
    EXPECT_NE(newPlanCaption(), "Start &Afresh");
    ASSERT_TRUE(SelectLanguage(1));
    EXPECT_EQ(newPlanCaption(), "Start &Afresh");
    session.Close();
}

TEST_F(ProgramSessionTest, FlagAndLaneStripSettingsAreAppliedAndTheLiveStateIsWrittenAtExit) {
    writeSettings("[Flags]\nVisible=0\nHandles.Visible=0\n[Lanes]\nMeters.Visible=0\n"
                  "Handles.Zoom=3\n[Watch]\nMode=1\nVisible=0\n");
    {
        ProgramSession session(options());
        TTheFlags& flags = session.Model().room.Flags;
        TTheInterior& in = session.Window()->Interior();
        EXPECT_FALSE(flags.FlagsShown);
        EXPECT_FALSE(flags.HandlesShown);
        EXPECT_FALSE(in.LaneStripStates.metersVisible);
        EXPECT_EQ(in.LaneStripStates.handlesZoom, 3);
        ASSERT_NE(TheWatchOf(in), nullptr);
        EXPECT_TRUE(TheWatchOf(in)->StepMode());
        EXPECT_FALSE(TheWatchOf(in)->Visible);

        TheRoomOf(in)->ToggleFlagsShown();
        flags.HandlesShown = true;
        in.LaneStripStates.metersVisible = true;
        in.LaneStripStates.handlesZoom = -2;
        TheWatchOf(in)->SwitchMode();
        in.WatchStates.allowOutOfRange = true;
        EXPECT_TRUE(session.Close());
    }
    const TWideMemIniFile ini(folders.settingsFile);
    EXPECT_EQ(ini.ReadString("Flags", "Visible", ""), "1");
    EXPECT_EQ(ini.ReadString("Flags", "Handles.Visible", ""), "1");
    EXPECT_EQ(ini.ReadString("Lanes", "Meters.Visible", ""), "1");
    EXPECT_EQ(ini.ReadString("Lanes", "Handles.Zoom", ""), "-2");
    EXPECT_EQ(ini.ReadString("Watch", "Mode", ""), "0");
    EXPECT_EQ(ini.ReadString("Watch", "AllowOutOfRange", ""), "1");
    EXPECT_EQ(ini.ReadString("Watch", "Visible", ""), "0");
}

} // namespace
