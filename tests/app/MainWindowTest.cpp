#include "WindowFixture.h"
#include "app/TaskbarProgress.h"
#include "controls/ControlFakes.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>

namespace {

// A control at fixed bounds whose buffer is one colour.
class PlainControl : public RecordingControl {
public:
    PlainControl(TCtrlList& list, QString name, std::vector<QString>& journal, TRect bounds,
                 QColor colour)
        : RecordingControl(list, std::move(name), journal, bounds) {
        Buffer = QImage(bounds.Width(), bounds.Height(), QImage::Format_RGB32);
        Buffer.fill(colour);
    }
};

class MainWindowTest : public WindowFixture<> {
protected:
    MainWindowTest() {
        settings.SetText("[Main]\nInteriorStyles=Default\n[MasterMeters]\nR.Visible=0\n");
        startup.interiorPadding = 2;
    }
    ControlMaker maker(const QString& name, TRect bounds, QColor colour) {
        return [=, this](TCtrlList& list) -> TCtrl& {
            return list.Create<PlainControl>(name, journal, bounds, colour);
        };
    }
    std::unique_ptr<TGlorinbaxMF> makeWindow(TaskbarProgress* taskbar = nullptr) {
        ControlMakers makers;
        makers.ruler = maker("ruler", {6, 2, 198, 22}, Qt::red);
        makers.menuTrigger = maker("trigger", {198, 2, 218, 22}, Qt::green);
        makers.room = maker("room", {126, 22, 218, 148}, Qt::blue);
        makers.lanes = maker("lanes", {6, 22, 126, 148}, Qt::yellow);
        makers.carrier = maker("carrier", {6, 148, 154, 186}, Qt::cyan);
        makers.slider = maker("slider", {154, 148, 218, 186}, Qt::darkGreen);
        auto window = std::make_unique<TGlorinbaxMF>(setup(makers, taskbar));
        window->resize(220, 190);
        return window;
    }
    // The window laid out once, as start-up leaves it.
    std::unique_ptr<TGlorinbaxMF> startedWindow() {
        auto window = makeWindow();
        window->AllowLayout();
        window->SetStarted();
        window->Relayout();
        journal.clear();
        return window;
    }
    std::vector<QString> only(const QString& event) const {
        std::vector<QString> picked;
        std::copy_if(journal.begin(), journal.end(), std::back_inserter(picked),
                     [&](const QString& e) { return e.endsWith(":" + event); });
        return picked;
    }

    std::vector<QString> journal; // outlives the windows, whose controls note their end
};

TEST_F(MainWindowTest, LayoutWaitsForStartUpToPaintAndTheCompositionOnlyGrows) {
    auto window = makeWindow();
    journal.clear();
    window->Relayout();
    EXPECT_EQ(window->LayoutRect(), TLayoutRect{});
    window->AllowLayout();
    window->Relayout();
    EXPECT_EQ(window->LayoutRect(), (TLayoutRect{2, 2, 216, 186, 218, 188}));
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(window->Interior().Surfaces.CompositionBitmap.isNull());
    EXPECT_FALSE(window->LaidOut());

    window->SetStarted();
    window->Relayout();
    EXPECT_TRUE(window->LaidOut());
    EXPECT_EQ(window->Interior().Surfaces.CompositionBitmap.size(), QSize(220, 190));
    EXPECT_EQ(only("paint").size(), 6u);

    window->resize(150, 100);
    window->Relayout();
    EXPECT_EQ(window->Interior().Surfaces.CompositionBitmap.size(), QSize(220, 190));
    window->resize(300, 150);
    window->Relayout();
    EXPECT_EQ(window->Interior().Surfaces.CompositionBitmap.size(), QSize(300, 190));
}

TEST_F(MainWindowTest, TheMinimumSizeHoldsTheLanesTheMeterTheRulerAndTheLowestControl) {
    auto window = startedWindow();
    // lanes 120 - 1, one meter of 4, ruler 20, carrier 38 - 1, padding 2 on each side
    EXPECT_EQ(window->minimumSize(), QSize(119 + 4 + 4, 20 + 37 + 4));
    TTheInterior& in = window->Interior();
    in.Carrier->SetVisible(false);
    auto& slider = static_cast<RecordingControl&>(*in.Slider);
    slider.fixedBounds.Bottom = slider.fixedBounds.Top + 20;
    window->Relayout();
    EXPECT_EQ(window->minimumSize().height(), 20 + 19 + 4);
    in.Slider->SetVisible(false);
    window->Relayout();
    EXPECT_EQ(window->minimumSize().height(), 20 + 4);
}

TEST_F(MainWindowTest, AFullRepaintPaintsInItsOrderAndPresentsOnlyAfterTheFirst) {
    auto window = makeWindow();
    window->AllowLayout();
    window->SetStarted();
    journal.clear();
    window->Relayout();
    EXPECT_EQ(only("resize").size(), 6u);
    EXPECT_EQ(only("paint"),
              (std::vector<QString>{"ruler:paint", "room:paint", "trigger:paint", "lanes:paint",
                                    "carrier:paint", "slider:paint"}));
    EXPECT_TRUE(only("present").empty());

    journal.clear();
    window->Interior().Ruler->Visible = false;
    window->RelayoutAndRepaint(false);
    EXPECT_TRUE(only("resize").empty());
    EXPECT_EQ(only("paint"), (std::vector<QString>{"ruler:paint", "room:paint", "lanes:paint",
                                                   "carrier:paint", "slider:paint"}));
    EXPECT_EQ(only("present"),
              (std::vector<QString>{"room:present", "lanes:present", "trigger:present",
                                    "ruler:present", "carrier:present", "slider:present"}));
    EXPECT_TRUE(window->Presented());
    EXPECT_FALSE(window->Relayouting());
}

TEST_F(MainWindowTest, TheScreenShowsVisibleControlsAndTheDimmedOnesAtAlpha153) {
    auto window = startedWindow();
    FakeLine line;
    window->SetLineAndPoint(&line);
    window->Interior().Carrier->SetVisible(false);
    window->Interior().Carrier->Paint(); // in the composition, but hidden
    QImage screen = window->grab().toImage();
    EXPECT_EQ(screen.pixel(50, 10), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(150, 100), qRgb(0, 0, 255));
    EXPECT_EQ(screen.pixel(50, 160), qRgb(255, 255, 255));    // the hidden carrier
    EXPECT_EQ(screen.pixel(1, 100), qRgb(255, 255, 255));     // the padding
    EXPECT_EQ(screen.pixel(0, 0), QColor(Qt::magenta).rgb()); // the line over everything

    window->Interior().SetDimmed(true);
    screen = window->grab().toImage();
    EXPECT_EQ(screen.pixel(50, 10), qRgb(153, 0, 0));
    EXPECT_EQ(screen.pixel(150, 100), qRgb(0, 0, 153));
}

TEST_F(MainWindowTest, TheMouseReachesTheControlThatHoldsItWhereverItIsReleased) {
    auto window = startedWindow();
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, window->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    };
    send(QEvent::MouseButtonPress, {50, 10}, Qt::LeftButton);
    send(QEvent::MouseMove, {150, 100}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {500, 500}, Qt::NoButton);
    send(QEvent::MouseMove, {160, 170}, Qt::NoButton);
    EXPECT_EQ(journal, (std::vector<QString>{"ruler:down 50,10", "ruler:move 150,100",
                                             "ruler:up 500,500", "slider:move 160,170"}));
    window->StepAsideForDialog();
    EXPECT_EQ(peers.highlightClears, 1);
}

TEST_F(MainWindowTest, TheTimersHaveTheirIntervalsAndOnlyAutoSaveRunsAtFirst) {
    struct Progress : TaskbarProgress {
        void SetState(ProgressState) override {}
        void SetValue(int64_t, int64_t) override {}
    } progress;
    auto window = makeWindow(&progress);
    WindowTimers& t = window->Timers();
    const std::vector<std::pair<QTimer*, int>> table = {
        {&t.LineTimer, 20},   {&t.TitleTimer, 500},        {&t.FadeTimer, 50},
        {&t.RepeatTimer, 15}, {t.TaskbarTimer.get(), 250}, {&t.BlinkTimer, 250},
        {&t.DimTimer, 15},    {&t.RenderTimer, 100},       {&t.AutoSaveTimer, 60000},
        {&t.ReportTimer, 500}};
    for (const auto& [timer, interval] : table) {
        ASSERT_TRUE(timer);
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_EQ(timer->isActive(), timer == &t.AutoSaveTimer) << interval;
    }
    EXPECT_TRUE(t.TitleTimer.isSingleShot());
    window->DoneTimers();
    EXPECT_FALSE(t.AutoSaveTimer.isActive());
    EXPECT_FALSE(makeWindow()->Timers().TaskbarTimer);
}

TEST_F(MainWindowTest, ThePointHidesForTwoBlinksAndShowsForTwo) {
    auto window = startedWindow();
    FakeLine line;
    window->SetLineAndPoint(&line);
    std::vector<bool> hidden;
    for (int i = 0; i < 8; ++i) {
        window->BlinkTick();
        hidden.push_back(line.pointHidden);
    }
    EXPECT_EQ(hidden, (std::vector<bool>{true, true, false, false, true, true, false, false}));
}

TEST_F(MainWindowTest, WhileRollingTheTickAndTheFullRepaintFeedTheMeterAndMoveTheLine) {
    auto window = startedWindow();
    FakeLine line;
    line.audio = &audio;
    window->SetLineAndPoint(&line);
    audio.playing = true;
    mixer.level = {LevelReading::Status::Ok, 32768, {}};
    window->LineTick(true);
    EXPECT_EQ(line.lockedUpdates, 1);
    EXPECT_EQ(window->Interior().Surfaces.CompositionBitmap.pixel(3, 10),
              ToQColor(window->Interior().Style().MasterMeter.Normal).rgb());

    window->RelayoutAndRepaint(false);
    EXPECT_EQ(line.lockedUpdates, 2);
    EXPECT_EQ(line.resets, 1);
    EXPECT_EQ(line.pointPaints, 1);
    EXPECT_EQ(line.linePaints, 1);
    EXPECT_FALSE(line.suspendedNow);
}

} // namespace
