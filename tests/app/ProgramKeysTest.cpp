#include "ProgramFolderFixture.h"
#include "commands/BallPlacing.h"
#include "controls/Interior.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {

// The program's keys reach its commands and its settings through the session's wiring.
class ProgramKeysTest : public SessionFixture {
protected:
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(session->Window(), &event);
    }
};

TEST_F(ProgramKeysTest, ViewKeysSwitchTheWindowF7WritesTheSettingsNowAndCtrlWCloses) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    TTheInterior& in = session->Window()->Interior();
    press(Qt::Key_R, Qt::AltModifier | Qt::ControlModifier);
    press(Qt::Key_7, Qt::AltModifier);
    EXPECT_FALSE(in.Ruler->Visible);
    EXPECT_FALSE(in.MeterL || in.MeterR);

    press(Qt::Key_F7);
    const TWideMemIniFile written(folders.settingsFile);
    EXPECT_FALSE(written.ReadBool("Ruler", "Visible", true));
    EXPECT_FALSE(written.ReadBool("MasterMeters", "L.Visible", true));
    EXPECT_TRUE(written.ValueExists("GlorinbaxMF", "Width"));

    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(session->Closed());
}

TEST_F(ProgramKeysTest, AltCtrlBracketsStepThroughTheLanguagesAndWrapRound) {
    const QString shipped = QStringLiteral(GBX_SOURCE_DIR "/data/parlance/");
    for (const QString code : {"en", "xx", "yy"})
        for (const QString name : {"instructions_", "nomenclature_"})
            WriteFile(folders.dataFolder + "parlance/" + name + code + ".txt",
                      ReadAll(shipped + name + "en.txt"));
    ASSERT_NO_FATAL_FAILURE(startSession(
        options(), "[Main]\nLanguages=A,B,C\nLanguageCodes=en,xx,yy\nSelectedLanguage=0\n"));
    press(Qt::Key_BracketRight, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(SelectedLanguage(), 1);
    press(Qt::Key_BracketLeft, Qt::AltModifier | Qt::ControlModifier);
    press(Qt::Key_BracketLeft, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(SelectedLanguage(), 2);
    press(Qt::Key_BracketRight, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(SelectedLanguage(), 0);
}

TEST_F(ProgramKeysTest, CtrlZTakesAPlacedBallBackAndCtrlYOrCtrlShiftZMakesItAgain) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    Arrangement& plan = session->Model();
    ASSERT_FALSE(plan.plan.Modified());
    // A click on a cell of the room places a ball there.
    QTest::mouseClick(session->Window(), Qt::LeftButton, {}, QPoint(133 + 20 * 3, 29 + 20 * 2));
    ASSERT_EQ(plan.balls.Count(), 1);
    const int x = plan.balls.At(0).X();
    const int y = plan.balls.At(0).Y();
    reportqueue::TakeAll();

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(plan.balls.Count(), 0);
    EXPECT_FALSE(plan.plan.Modified()) << "back at the plan as it was";
    const std::vector<ReportLine> lines = reportqueue::TakeAll();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().subject, FormatText(352, {Text(kChangeBallPlaced)}));

    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(plan.balls.Find(x, y), nullptr);
    EXPECT_TRUE(plan.plan.Modified());
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(plan.balls.Find(x, y), nullptr);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(plan.balls.Count(), 1) << "nothing more to make again";
}

TEST_F(ProgramKeysTest, CtrlZTakesBackTheRangeStartSetOnTheRulerAndItsFlagFollows) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    Arrangement& plan = session->Model();
    const Elements start = plan.plan.Start;
    const TRect& ruler = session->Window()->Interior().Ruler->BoundsRect;
    // Ctrl and a click on the ruler put the start there.
    QTest::mouseClick(session->Window(), Qt::LeftButton, Qt::ControlModifier,
                      QPoint(ruler.Left + 20 * 6 + 10, ruler.Top + 5));
    ASSERT_NE(plan.plan.Start, start);
    const int32_t movedPixel = plan.room.StartFlag().PixelX;

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(plan.plan.Start, start);
    EXPECT_EQ(plan.room.StartFlag().Position, start);
    EXPECT_NE(plan.room.StartFlag().PixelX, movedPixel) << "the flag went back with it";
    EXPECT_FALSE(plan.plan.Modified());
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(plan.room.StartFlag().PixelX, movedPixel);
}

} // namespace
