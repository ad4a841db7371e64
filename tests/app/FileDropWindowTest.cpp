#include "ProgramFolderFixture.h"
#include "WindowFixture.h"
#include "commands/BallPlacing.h"
#include "common/SineWav.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "model/LaneEdits.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// Drags the URLs in and drops them at the point, as the desktop does; whether the window took
// the drag.
bool dropOn(QWidget& window, const QList<QUrl>& urls, QPoint at) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

QList<QUrl> local(const QStringList& files) {
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    return urls;
}

class RecordingDrops : public FileDropLink {
public:
    void OpenPlanFile(const QString& name) override { plans << name; }
    void DropSoundFile(const QString& name, QPoint at) override { sounds.push_back({name, at}); }
    QStringList plans;
    std::vector<std::pair<QString, QPoint>> sounds;
};

class FileDropTest : public WindowFixture<> {};

TEST_F(FileDropTest, PlanFilesInAnyCaseOpenAndOtherLocalFilesGoToWhereTheyFell) {
    RecordingDrops drops;
    MainWindowSetup withDrops = setup();
    withDrops.fileDrops = &drops;
    TGlorinbaxMF window(withDrops);
    showStarted(window);
    EXPECT_TRUE(dropOn(window, local({"/tmp/a/Song.SKW", "/tmp/a/kick.wav", "/tmp/a/b.skw.wav"}),
                       QPoint(200, 100)));
    // Opening a plan may ask questions: inside the drop the drag source would wait for them.
    EXPECT_TRUE(drops.plans.isEmpty()) << "a file was delivered before the drop ended";
    EXPECT_TRUE(drops.sounds.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(drops.plans, QStringList{"/tmp/a/Song.SKW"});
    ASSERT_EQ(drops.sounds.size(), 2u);
    EXPECT_EQ(drops.sounds[0], std::pair(QString("/tmp/a/kick.wav"), QPoint(200, 100)));
    EXPECT_EQ(drops.sounds[1].first, "/tmp/a/b.skw.wav");

    EXPECT_FALSE(dropOn(window, {QUrl("https://example.org/kick.wav")}, QPoint(200, 100)));
    QCoreApplication::processEvents();
    EXPECT_EQ(drops.sounds.size(), 2u);

    TGlorinbaxMF without(setup());
    showStarted(without);
    EXPECT_FALSE(dropOn(without, local({"/tmp/a/kick.wav"}), QPoint(200, 100)));
}

// The whole program on the "no sound" device with a new plan.
class FileDropWindowTest : public SessionFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
        ASSERT_NO_FATAL_FAILURE(startSession(options()));
        for (const char* name : {"kick.wav", "snare.wav"})
            WriteFile(dir.file(name), SineWav(1));
    }
    TTheRoom& room() { return *TheRoomOf(session->Window()->Interior()); }
    TTheLaneStrip& strip() { return *TheLaneStripOf(session->Window()->Interior()); }
    // The middle of a visible cell of the room, and of a row of the lane strip.
    QPoint cell(int column, int row) {
        return {room().BoundsRect.Left + column * 20 + 10, room().BoundsRect.Top + row * 20 + 10};
    }
    QPoint stripRow(int row) {
        return {strip().BoundsRect.Left + 60, strip().BoundsRect.Top + row * 20 + 10};
    }
    // The drop and the delivery that follows it.
    bool drop(const QString& name, QPoint at) {
        const bool taken = dropOn(*session->Window(), local({dir.file(name)}), at);
        QCoreApplication::processEvents();
        return taken;
    }
    QString fileOf(const TPiece& piece) {
        return piece.Resource ? QFileInfo(piece.Resource->FullName).fileName() : QString();
    }
    Arrangement& model() { return session->Model(); }
};

TEST_F(FileDropWindowTest, ASoundOnAnEmptyCellBringsALaneAndABallAndASecondOneIsTheBallsOwn) {
    const int32_t y = 3 - model().room.OffsetY;
    const int32_t x = 2 - model().room.OffsetX;
    ASSERT_TRUE(drop("kick.wav", cell(2, 3)));
    const TLane* lane = model().lanes.AtPosition(y);
    ASSERT_NE(lane, nullptr);
    EXPECT_EQ(fileOf(lane->Piece()), "kick.wav");
    EXPECT_GT(lane->Piece().Resource->Life, 0);
    const TBall* ball = model().balls.Find(x, y);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->Lane(), lane);
    EXPECT_TRUE(!ball->OwnPiece() || !ball->OwnPiece()->Resource) << "it sounds its lane's file";
    EXPECT_EQ(model().plan.LastChangeCode(), kChangeBallPlaced);
    // The new lane shows in the strip.
    EXPECT_EQ(strip().LaneAtY(stripRow(3).y()), lane);

    ASSERT_TRUE(drop("snare.wav", cell(2, 3)));
    EXPECT_EQ(model().plan.LastChangeCode(), kChangeBallOwnFile);
    ASSERT_NE(ball->OwnPiece(), nullptr);
    EXPECT_EQ(fileOf(*ball->OwnPiece()), "snare.wav");
    EXPECT_EQ(model().balls.Count(), 1);
}

TEST_F(FileDropWindowTest, OnTheLaneStripAnEmptyRowGetsALaneAndALaneTakesTheFile) {
    ASSERT_TRUE(drop("snare.wav", stripRow(5)));
    ASSERT_EQ(model().lanes.Count(), 1);
    TLane& lane = model().lanes.At(0);
    EXPECT_EQ(lane.Position(), 5 - model().room.OffsetY);
    EXPECT_EQ(fileOf(lane.Piece()), "snare.wav");
    model().plan.ClearModified();

    ASSERT_TRUE(drop("kick.wav", stripRow(5)));
    EXPECT_EQ(model().lanes.Count(), 1);
    EXPECT_EQ(fileOf(lane.Piece()), "kick.wav");
    EXPECT_EQ(model().plan.LastChangeCode(), kChangeLaneAdded);
    EXPECT_EQ(model().balls.Count(), 0);
}

} // namespace
