#include "ProgramFolderFixture.h"
#include "QuietRenderHost.h"
#include "audio/Perpetuator.h"
#include "commands/CommandIds.h"
#include "commands/Instructor.h"
#include "commands/Menus.h"
#include "common/SineWav.h"
#include "controls/SoundFileFakes.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheSlider.h"
#include "model/LaneEdits.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cmath>

namespace {

// The program with its window on the "no sound" device, an empty new plan, and a sound-file
// chooser of the test's.
class LaneStripWindowTest : public SessionFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
        SessionOptions withChooser = options();
        withChooser.soundFiles = &chooser;
        ASSERT_NO_FATAL_FAILURE(startSession(withChooser));
    }
    TTheLaneStrip& strip() { return *TheLaneStripOf(session->Window()->Interior()); }
    // The middle of the strike box of the row that shows a lane position.
    QPoint strikeBoxOf(int32_t position) {
        const TRect& bounds = strip().BoundsRect;
        return {bounds.Left + 10,
                bounds.Top + (position + session->Model().room.OffsetY) * 20 + 10};
    }
    // The largest sample of a 16-bit WAV render's data.
    static int loudestSample(const QString& wav) {
        const QByteArray bytes = ReadAll(wav);
        int loudest = 0;
        for (qsizetype at = 44; at + 1 < bytes.size(); at += 2)
            loudest = std::max(loudest,
                               std::abs(int{qFromLittleEndian<int16_t>(bytes.constData() + at)}));
        return loudest;
    }

    ChosenSoundFile chooser;
};

TEST_F(LaneStripWindowTest, AnEmptyRowsStrikeBoxAddsALaneForTheChosenFileAndItsBallsSound) {
    Arrangement& model = session->Model();
    // A ball already stands on the row: it has no lane and sounds nothing yet.
    ASSERT_NE(model.balls.Add(0, 3, TPiece::kNoOwnHue, false), nullptr);
    chooser.answer = dir.file("soft_kick.wav");
    WriteFile(chooser.answer, SineWav(1));

    QTest::mouseClick(session->Window(), Qt::LeftButton, {}, strikeBoxOf(3));
    EXPECT_EQ(chooser.asked, 1);
    ASSERT_EQ(model.lanes.Count(), 1);
    const TLane& lane = model.lanes.At(0);
    EXPECT_EQ(lane.Position(), 3);
    EXPECT_EQ(lane.Piece().Handle, QStringLiteral("soft kick"));
    EXPECT_EQ(lane.Piece().Loudness.Value(), kNewLaneLoudness);
    EXPECT_TRUE(lane.Piece().HueAuto());
    ASSERT_NE(lane.Piece().Resource, nullptr);
    EXPECT_GT(lane.Piece().Resource->Life, 0);
    EXPECT_EQ(model.balls.Find(0, 3)->Lane(), &lane);
    EXPECT_EQ(model.plan.LastChangeCode(), kChangeLaneAdded);

    QuietRenderHost host;
    TThePerpetuator render(model, session->Audio().Mingler(), host, RenderSettings{});
    const QString wav = dir.file("out.wav");
    ASSERT_TRUE(render.StartRender({wav, RenderOutput::Wav, 2, 16, Elements{0}}));
    for (int i = 0; i < 100000 && render.Active(); ++i)
        render.RenderTick();
    ASSERT_EQ(render.Outcome(), TThePerpetuator::State::Rendered);
    // 8000 at loudness 0.8, centred.
    EXPECT_GT(loudestSample(wav), 3000);
}

TEST_F(LaneStripWindowTest, AddLaneAndTheStripsMenuPutLanesWhereTheUserMeant) {
    Arrangement& model = session->Model();
    chooser.answer = dir.file("soft_kick.wav");
    WriteFile(chooser.answer, SineWav(1));
    QTest::keyClick(session->Window(), Qt::Key_T, Qt::ControlModifier);
    ASSERT_NE(model.lanes.AtPosition(0), nullptr); // the plan's first lane

    // The strip's menu opens on row 4 and closes at once; its commands act on that row.
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    });
    session->Menus().OpenLaneStripMenu(strikeBoxOf(4));
    session->Instructor()->Contexts().Run(Dispatcher::LaneStrip, cmd::kChooseSoundFile);
    EXPECT_NE(model.lanes.AtPosition(4), nullptr);
    EXPECT_EQ(model.lanes.Count(), 2);
    EXPECT_EQ(chooser.asked, 2);
}

TEST_F(LaneStripWindowTest, AFileThatCannotBeDecodedAddsNothingAndIsReported) {
    Arrangement& model = session->Model();
    chooser.answer = dir.file("not a sound.wav");
    WriteFile(chooser.answer, QByteArray(4000, 'x'));
    QTest::mouseClick(session->Window(), Qt::LeftButton, {}, strikeBoxOf(2));
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(model.lanes.Count(), 0);
    EXPECT_EQ(model.resources.Count(), 0);
    EXPECT_FALSE(model.plan.Modified());
    const TTheReport& report = session->Side()->Report();
    const auto reported = [&] {
        for (int i = 0; i < report.RowCount(); ++i)
            if (report.Row(i).subject.contains("not a sound.wav") &&
                report.Row(i).text.contains("BASS_StreamCreateFile"))
                return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(reported));
}

TEST_F(LaneStripWindowTest, ClicksOnTheRealWindowStrikeAndSoloLanes) {
    Arrangement& model = session->Model();
    std::vector<TLane*> lanes;
    for (int32_t position = 0; position < 3; ++position)
        lanes.push_back(&model.lanes.Add(position, TPiece::kNoOwnHue, true));
    QTest::mouseClick(session->Window(), Qt::RightButton, {}, strikeBoxOf(0));
    EXPECT_FALSE(lanes[0]->Striked);
    EXPECT_TRUE(lanes[1]->Striked && lanes[2]->Striked);
    QTest::mouseClick(session->Window(), Qt::RightButton, {}, strikeBoxOf(0));
    EXPECT_FALSE(lanes[1]->Striked || lanes[2]->Striked);
    QTest::mouseClick(session->Window(), Qt::LeftButton, {}, strikeBoxOf(2));
    EXPECT_TRUE(lanes[2]->Striked);
    EXPECT_EQ(chooser.asked, 0);
    EXPECT_EQ(model.plan.LastChangeCode(), kChangeLaneStruck);
}

TEST_F(LaneStripWindowTest, ShiftOverALaneShowsItsPanInTheSlider) {
    Arrangement& model = session->Model();
    TLane& lane = model.lanes.Add(1, TPiece::kNoOwnHue, true);
    lane.Piece().Loudness.SetValue(0.45L);
    lane.Piece().Pan.SetValue(0.5L);
    TTheSlider& slider = *TheSliderOf(session->Window()->Interior());
    QTest::mouseMove(session->Window(), strikeBoxOf(1) + QPoint(50, 0));
    ASSERT_EQ(strip().HoveredLane(), &lane);
    EXPECT_EQ(slider.Position(), 45);
    QTest::keyPress(session->Window(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(slider.Position(), 75);
    QTest::keyRelease(session->Window(), Qt::Key_Shift);
    EXPECT_EQ(slider.Position(), 45);
}

} // namespace
