// The main window: layout, the full repaint, the paint handler, mouse routing and timers.
#include "app/MainWindow.h"

#include "app/FileDropLink.h"
#include "app/Layout.h"
#include "app/MasterLoudnessStep.h"
#include "app/MasterMeterFeed.h"
#include "app/RenderTicks.h"
#include "app/SettingsFile.h"
#include "app/TaskbarProgress.h"
#include "app/WheelRouting.h"
#include "app/WindowPeers.h"
#include "controls/LineAndPoint.h"
#include "controls/MenuLink.h"
#include "controls/RoomKeys.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "model/MixerView.h"
#include "planfile/PlanTitle.h"
#include "support/FaultLog.h"
#include "support/ProgramFolders.h"
#include "support/SettingKeys.h"
#include "support/WideMemIniFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

// Qt's event loop must never see an exception: each entry point reports its own faults.
template <class Work> void guarded(const char* operation, Work&& work) {
    try {
        work();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT(operation, e);
    }
}

bool shown(const TCtrl* control) {
    return control && control->Visible;
}

void paint(TCtrl* control) {
    if (control)
        control->Paint();
}

// From the window's edge to a master meter's inner edge, at any height.
bool onMeterStrip(const TTheInterior& in, const TLayoutRect& layout, int x) {
    return (in.MeterL && x < layout.Left + in.MeterL->Width) ||
           (in.MeterR && x >= layout.Right - in.MeterR->Width);
}

bool applicationActive() {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

} // namespace

TGlorinbaxMF::TGlorinbaxMF(const MainWindowSetup& setup)
    : m_arrangement(setup.arrangement), m_mixer(setup.mixer), m_peers(setup.peers),
      m_menus(setup.menus), m_fileDrops(setup.fileDrops), m_taskbar(setup.taskbar),
      m_padding(setup.startup.interiorPadding), m_fullScreen(setup.startup.fullScreen),
      m_timers(setup.taskbar != nullptr),
      m_interior(std::make_unique<TTheInterior>(*this, InteriorSettings::FromStore(setup.settings),
                                                setup.folders.programFolder,
                                                setup.startup.rulerFont, setup.makers)),
      m_router(m_interior->TheCtrls), m_dim(m_timers.DimTimer, m_interior->TheCtrls),
      m_fadeIn(m_timers.FadeTimer, setup.arrangement, setup.peers),
      m_lineTick({m_timers.LineTimer, setup.arrangement.audio, setup.mixer, setup.peers,
                  [this] { return UpdateMasterMeters(); }}),
      m_autoSave(setup.arrangement, setup.folders.dataFolder, setup.stopwatch, applicationActive),
      m_stepAside(setup.peers, ReadSettingBool(setup.settings, Setting("Report", "AutoHide"))),
      m_carrierKeys(setup.arrangement, [this] { LineTick(true); }) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the paint handler covers every pixel it is given
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    QFont font(QStringLiteral("Calibri"));
    font.setPixelSize(18);
    setFont(font);
    resize(768, 544);
    if (m_fullScreen) {
        setWindowFlag(Qt::FramelessWindowHint);
        setWindowState(Qt::WindowMaximized);
    }

    m_interior->LoadStyle();
    TTheInterior& in = *m_interior;
    m_router.SetOrders({{in.Carrier},
                        {in.Slider},
                        {in.MenuTrigger},
                        {in.Watch},
                        {in.Room, true},
                        {in.Ruler},
                        {in.Lanes}},
                       {in.Slider, in.Watch, in.Lanes, in.Ruler});
    // A room that carries the line and the point, and takes keys, is wired at once.
    if (auto* line = dynamic_cast<LineAndPoint*>(in.Room))
        SetLineAndPoint(line);
    m_roomKeys = dynamic_cast<RoomKeys*>(in.Room);
    if (TTheSlider* slider = TheSliderOf(in))
        slider->OnWheel = [this](long double step) {
            StepMasterLoudness(m_arrangement, m_fadeIn, step);
        };
    m_carrierKeys.SetCarrier(TheCarrierOf(in));
    connectTimers();
}

TGlorinbaxMF::~TGlorinbaxMF() {
    m_timers.StopAll();
}

void TGlorinbaxMF::connectTimers() {
    WindowTimers& t = m_timers;
    connect(&t.LineTimer, &QTimer::timeout, this, [this] { m_lineTick.Run(false); });
    connect(&t.TitleTimer, &QTimer::timeout, this,
            [this] { guarded("TitleTimer", [this] { RefreshTitle(); }); });
    connect(&t.FadeTimer, &QTimer::timeout, this,
            [this] { guarded("FadeTimer", [this] { m_fadeIn.Tick(); }); });
    connect(&t.RepeatTimer, &QTimer::timeout, this,
            [this] { guarded("RepeatTimer", [this] { m_peers.RepeatCarrierButton(); }); });
    if (t.TaskbarTimer)
        connect(t.TaskbarTimer.get(), &QTimer::timeout, this, [this] { TaskbarTick(false); });
    connect(&t.BlinkTimer, &QTimer::timeout, this,
            [this] { guarded("BlinkTimer", [this] { BlinkTick(); }); });
    connect(&t.DimTimer, &QTimer::timeout, this,
            [this] { guarded("DimTimer", [this] { m_dim.Tick(); }); });
    // The last render gone, the timer rests and the title drops the progress.
    connect(&t.RenderTimer, &QTimer::timeout, this, [this] {
        guarded("RenderTimer", [this] {
            if (TickRenders(m_mixer))
                return;
            m_timers.RenderTimer.stop();
            RefreshTitle();
        });
    });
    connect(&t.AutoSaveTimer, &QTimer::timeout, this,
            [this] { guarded("AutoSaveTimer", [this] { m_autoSave.Tick(); }); });
    connect(&t.ReportTimer, &QTimer::timeout, this,
            [this] { guarded("ReportTimer", [this] { m_peers.MoveQueuedReportLines(); }); });
}

void TGlorinbaxMF::DoneTimers() {
    m_timers.StopAll();
    if (TTheWatch* watch = TheWatchOf(*m_interior))
        watch->Typer().StopTimers();
    if (m_line)
        m_line->DisableTimers();
}

bool TGlorinbaxMF::MoveAllCursorShown() const {
    return cursor().shape() == Qt::SizeAllCursor;
}

void TGlorinbaxMF::SetLineAndPoint(LineAndPoint* line) {
    m_line = line;
    m_lineTick.SetLine(line);
}

void TGlorinbaxMF::CopyToWindow(const QRect& rect) {
    update(rect);
}

void TGlorinbaxMF::Relayout() {
    if (m_layoutLocked)
        return;
    m_layoutRect = LayoutRectFor(size(), m_padding);
    if (!m_started)
        return;
    m_interior->Surfaces.GrowTo(width(), height(), m_interior->WindowColour(), deviceScale());
    RelayoutAndRepaint(true);
    // The window behind the controls too: the first full repaint presents nothing by itself, and
    // a new style may bring another colour for it.
    update();
    setMinimumSize(MinimumClientSize(*m_interior, m_padding));
    m_laidOut = true;
}

void TGlorinbaxMF::RelayoutAndRepaint(bool full) {
    TTheInterior& in = *m_interior;
    m_relayouting = true;
    if (m_line)
        m_line->SuspendLinePainting(true);
    const auto finish = qScopeGuard([this] {
        if (m_line)
            m_line->SuspendLinePainting(false);
        m_presented = true;
        m_relayouting = false;
    });
    if (full)
        in.ResizeAll();
    paint(in.Ruler);
    paint(in.Room);
    if (shown(in.Ruler))
        paint(in.MenuTrigger);
    paint(in.Lanes);
    paint(in.Carrier);
    paint(in.Slider);
    if (m_presented) {
        for (TCtrl* control : {in.Room, in.Lanes, in.MenuTrigger, in.Ruler, in.Carrier, in.Slider})
            if (control)
                control->Present();
    }
    if (m_arrangement.audio.Playing()) {
        MixerLock lock(m_arrangement.audio);
        if (m_line)
            m_line->UpdateLine();
        UpdateMasterMeters();
    }
    const MeterScene scene = meterScene();
    for (TThePeakMeter* meter : {in.MeterL.get(), in.MeterR.get()})
        if (meter)
            meter->Paint(scene);
    if (m_line) {
        m_line->ResetLinePainting();
        m_line->PaintPoint();
        m_line->PaintLine();
    }
}

MeterScene TGlorinbaxMF::meterScene() {
    return {m_interior->Surfaces,
            *this,
            m_layoutRect,
            m_interior->Style().MasterMeter,
            m_arrangement.audio.Playing(),
            m_mixer.LastPlaySucceeded()};
}

bool TGlorinbaxMF::UpdateMasterMeters() {
    return ::UpdateMasterMeters(m_mixer, m_interior->MeterL.get(), m_interior->MeterR.get(),
                                meterScene());
}

int TGlorinbaxMF::deviceScale() const {
    return std::max(1, qRound(devicePixelRatioF()));
}

void TGlorinbaxMF::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another scale: drawn afresh at the new one.
    if (m_laidOut && deviceScale() != m_interior->Surfaces.Scale)
        guarded("FormResize", [this] { Relayout(); });
    QPainter painter(this);
    const QImage& composition = m_interior->Surfaces.CompositionBitmap;
    if (composition.isNull()) {
        painter.fillRect(event->rect(), m_interior->WindowColour());
        return;
    }
    // While rolling the line tick draws the watch.
    if (TTheWatch* watch = TheWatchOf(*m_interior); watch && !m_arrangement.audio.Playing())
        guarded("FormPaint", [watch] { watch->PaintDigits(true); });
    QRegion presented;
    const TCtrlList& controls = m_interior->TheCtrls;
    for (int i = 0; i < controls.Count(); ++i)
        if (controls.Items(i).Visible)
            presented += controls.Items(i).BoundsRect.ToQRect();
    for (const TThePeakMeter* meter : {m_interior->MeterL.get(), m_interior->MeterR.get()})
        if (meter)
            presented += meter->Strip(m_layoutRect);
    // Only what no control covers takes the window's colour: a tick's few small areas span the
    // whole window, and filling their bounding rectangle cost more than the areas themselves.
    for (const QRect& rect : event->region() - presented)
        painter.fillRect(rect, m_interior->WindowColour());
    for (const QRect& rect : event->region() & presented)
        drawComposition(painter, rect);
    if (m_line)
        guarded("FormPaint", [&] { m_line->PaintOverWindow(painter); });
}

void TGlorinbaxMF::drawComposition(QPainter& painter, const QRect& rect) {
    const QImage& composition = m_interior->Surfaces.CompositionBitmap;
    // Qt hands a copy taller than about a hundred rows to its thread pool. For the narrow columns
    // a tick repaints (the line, the meters) that hand-off costs many times the copy itself, so
    // small areas are copied in short bands.
    constexpr int kBandRows = 64;
    constexpr qint64 kThreadWorthyArea = 256 * 1024;
    if (qint64{rect.width()} * rect.height() >= kThreadWorthyArea) {
        painter.drawImage(rect, composition, m_interior->Surfaces.DeviceRect(rect));
        return;
    }
    for (int top = rect.top(); top <= rect.bottom(); top += kBandRows) {
        const QRect band(rect.left(), top, rect.width(),
                         std::min(kBandRows, rect.bottom() + 1 - top));
        painter.drawImage(band, composition, m_interior->Surfaces.DeviceRect(band));
    }
}

void TGlorinbaxMF::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    guarded("FormResize", [this] { Relayout(); });
}

void TGlorinbaxMF::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    guarded("FormMouseDown", [&] {
        const MouseButton button = MouseButtonFromQt(event->button());
        if (m_router.MouseDown(button, at.x(), at.y(), ShiftState::FromQt(event->modifiers())) ||
            button == MouseButton::Right)
            return;
        // A press on a master meter's strip ends the typing without applying.
        if (TTheWatch* watch = TheWatchOf(*m_interior);
            watch && watch->Typing() && onMeterStrip(*m_interior, m_layoutRect, at.x()))
            watch->EndTyping();
    });
}

void TGlorinbaxMF::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    guarded("FormMouseMove",
            [&] { m_router.MouseMove(at.x(), at.y(), ShiftState::FromQt(event->modifiers())); });
}

void TGlorinbaxMF::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    guarded("FormMouseUp", [&] {
        const MouseButton pressed = m_router.PressedButton;
        if (!m_router.MouseUp(at.x(), at.y()) && pressed == MouseButton::Right && m_menus &&
            onMeterStrip(*m_interior, m_layoutRect, at.x()))
            m_menus->OpenPeakMeterMenu(at);
    });
}

void TGlorinbaxMF::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    guarded("FormMouseLeave", [this] { m_router.MouseLeave(); });
}

bool TGlorinbaxMF::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void TGlorinbaxMF::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    guarded("FormKeyDown", [&] {
        // A value being typed takes its keys first.
        TTheWatch* watch = TheWatchOf(*m_interior);
        handled = (watch && watch->Typer().KeyDown(event->key(), event->modifiers())) ||
                  KeyDown(MappedKey(*event), ShiftState::FromQt(event->modifiers()));
    });
    // An Alt combination the map finished goes no further, as no menu character either.
    if (m_keys.TakeKeyHandled() || handled)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TGlorinbaxMF::keyReleaseEvent(QKeyEvent* event) {
    bool handled = false;
    guarded("FormKeyUp", [&] {
        handled = !event->isAutoRepeat() &&
                  KeyUp(MappedKey(*event), ShiftState::FromQt(event->modifiers()));
    });
    if (!handled)
        QWidget::keyReleaseEvent(event);
}

void TGlorinbaxMF::wheelEvent(QWheelEvent* event) {
    const int turn = event->angleDelta().y();
    if (turn == 0)
        return;
    guarded("FormMouseWheel", [&] {
        const long double step = WheelLoudnessStep(turn);
        switch (WheelTargetAt(*m_interior, event->position().toPoint())) {
        case WheelTarget::Slider:
            if (TTheSlider* slider = TheSliderOf(*m_interior); slider && slider->OnWheel)
                slider->OnWheel(step);
            break;
        case WheelTarget::Elsewhere:
            StepMasterLoudness(m_arrangement, m_fadeIn, step);
            break;
        case WheelTarget::Watch:
            // Up or Down for the value being typed.
            if (TTheWatch* watch = TheWatchOf(*m_interior))
                watch->Typer().KeyDown(turn > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
            break;
        case WheelTarget::Room:
            scrollRoomByWheel(turn, event->modifiers().testFlag(Qt::ShiftModifier));
            break;
        }
    });
}

void TGlorinbaxMF::scrollRoomByWheel(int turn, bool columns) {
    if (!m_roomKeys)
        return;
    // As Ctrl with the arrows: the view moves, the point stays. The system's lines per notch;
    // at least one for the small turns of a touchpad.
    const int lines = std::max(1, QApplication::wheelScrollLines() * std::abs(turn) / kWheelNotch);
    const int key = columns ? (turn > 0 ? Qt::Key_Left : Qt::Key_Right)
                            : (turn > 0 ? Qt::Key_Up : Qt::Key_Down);
    for (int i = 0; i < lines; ++i)
        m_roomKeys->PointKeyDown(key, ShiftState{false, false, true});
}

void TGlorinbaxMF::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    guarded("FormCloseQuery", [&] { mayClose = !m_closeQuery || m_closeQuery(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (data)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
    return files;
}

} // namespace

void TGlorinbaxMF::dragEnterEvent(QDragEnterEvent* event) {
    if (m_fileDrops && !localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TGlorinbaxMF::dropEvent(QDropEvent* event) {
    const QStringList files = localFiles(event->mimeData());
    if (!m_fileDrops || files.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag source waits for the drop to end: opening a plan may ask questions, so the files
    // are delivered once the drop has returned. A window gone by then takes the call with it.
    const QPoint at = event->position().toPoint();
    QMetaObject::invokeMethod(
        this,
        [this, files, at] {
            guarded("WMDropFiles", [&] { DeliverDroppedFiles(*m_fileDrops, files, at); });
        },
        Qt::QueuedConnection);
}

bool TGlorinbaxMF::focusNextPrevChild(bool next) {
    (void)next;
    return false;
}

void TGlorinbaxMF::UpdatePausedTaskbarProgress() {
    showLineProgress("TGlorinbaxMF.UpdatePausedTaskbarProgress", false, false);
}

void TGlorinbaxMF::SetTaskbarState(ProgressState state) {
    if (m_taskbar)
        guarded("TaskbarProgress", [&] { m_taskbar->SetState(state); });
}

void TGlorinbaxMF::showLineProgress(const char* operation, bool rolling, bool keepState) {
    if (!m_taskbar || !m_line)
        return;
    guarded(operation, [&] {
        const TRoomState& room = m_arrangement.room;
        ShowLineProgress(*m_taskbar,
                         ProgressOfLine(m_line->LinePosition(), room.StartFlag().Position,
                                        room.EndFlag().Position, rolling,
                                        m_mixer.LastPlaySucceeded()),
                         keepState);
    });
}

void TGlorinbaxMF::BlinkTick() {
    if (!m_line)
        return;
    if (m_pointBlink) {
        if (!m_line->HidePoint())
            m_pointBlink = false;
    } else if (!m_line->ShowPoint()) {
        m_pointBlink = true;
    }
}

void TGlorinbaxMF::SwitchPointBlinking() {
    QTimer& timer = m_timers.BlinkTimer;
    if (!timer.isActive()) {
        timer.start();
        return;
    }
    timer.stop();
    if (m_line)
        m_line->ShowPoint();
    m_pointBlink = true;
}

void TGlorinbaxMF::RefreshTitle() {
    setWindowTitle(PlanTitle(m_arrangement.plan, {!m_fullScreen, m_mixer.RenderProgress()}));
}

void TGlorinbaxMF::StepAsideForDialog() {
    m_interior->TheCtrls.CapturedCtrl = nullptr;
    m_stepAside.StepAside();
    m_peers.ClearMenuTriggerHighlight();
}

void TGlorinbaxMF::ReturnAfterDialog() {
    m_stepAside.Return();
}

void TGlorinbaxMF::ToggleMaximised() {
    if (m_fullScreen) {
        leaveFullScreen();
        showNormal();
        restoreBoundsBeforeFullScreen();
    } else if (isMaximized()) {
        showNormal();
    } else {
        showMaximized();
    }
}

void TGlorinbaxMF::SwitchFullScreen() {
    if (m_fullScreen) {
        leaveFullScreen();
        if (m_maximisedBeforeFullScreen) {
            showMaximized();
        } else {
            showNormal();
            restoreBoundsBeforeFullScreen();
        }
    } else {
        m_maximisedBeforeFullScreen = isMaximized();
        if (!isMinimized())
            m_boundsBeforeFullScreen = normalGeometry();
        m_fullScreen = true;
        setWindowFlag(Qt::FramelessWindowHint, true);
        showMaximized();
    }
    RefreshTitle();
    // The ruler shows the menu icon only in full-screen mode, whatever the size.
    if (m_laidOut)
        RelayoutAndRepaint(true);
}

void TGlorinbaxMF::leaveFullScreen() {
    m_fullScreen = false;
    setWindowFlag(Qt::FramelessWindowHint, false);
}

void TGlorinbaxMF::restoreBoundsBeforeFullScreen() {
    if (m_boundsBeforeFullScreen.isValid())
        setGeometry(m_boundsBeforeFullScreen);
}
