// The main window: one widget whose client area the controls draw, with its layout, painting,
// mouse routing and timers.
#pragma once

#include "app/AutoSave.h"
#include "app/CarrierKeys.h"
#include "app/DimAnimation.h"
#include "app/FadeIn.h"
#include "app/KeyMap.h"
#include "app/LineTicker.h"
#include "app/ReportStepAside.h"
#include "app/WindowTimers.h"
#include "controls/ControlHost.h"
#include "controls/Interior.h"
#include "controls/MouseRouter.h"

#include <QWidget>

#include <functional>
#include <memory>

class Arrangement;
class FileDropLink;
class KeyCommandLink;
class LineAndPoint;
class MenuLink;
class MixerView;
class RoomKeys;
class TGenericStopwatch;
class TaskbarProgress;
enum class ProgressState;
class TWideCustomIniFile;
class WindowPeers;
struct MeterScene;
struct ProgramFolders;
struct StartupSettings;

// What the window is made with; everything referenced outlives the window.
struct MainWindowSetup {
    const ProgramFolders& folders;
    const TWideCustomIniFile& settings;
    const StartupSettings& startup;
    Arrangement& arrangement;
    MixerView& mixer;
    WindowPeers& peers;
    const TGenericStopwatch& stopwatch;
    TaskbarProgress* taskbar = nullptr; // none where no progress display is available
    ControlMakers makers;
    MenuLink* menus = nullptr; // the peak-meter menu; none: a right click there opens nothing
    FileDropLink* fileDrops = nullptr; // none: the window takes no dropped files
};

// Lives for the whole run. UI thread only.
class TGlorinbaxMF : public QWidget, public ControlHost {
public:
    explicit TGlorinbaxMF(const MainWindowSetup& setup);
    ~TGlorinbaxMF() override;

    TTheInterior& Interior() { return *m_interior; }
    WindowTimers& Timers() { return m_timers; }
    // The mingler starts the fade-in here when a roll begins with it.
    FadeIn& Fade() { return m_fadeIn; }

    // The room's line and point, once the room exists.
    void SetLineAndPoint(LineAndPoint* line);

    // Start-up is over: layouts now paint.
    void SetStarted() { m_started = true; }
    // Layout does nothing until the window's placement has been restored.
    void AllowLayout() { m_layoutLocked = false; }
    bool Started() const { return m_started; }
    bool LaidOut() const { return m_laidOut; }
    bool Presented() const { return m_presented; }
    bool Relayouting() const { return m_relayouting; }

    // ControlHost
    const TLayoutRect& LayoutRect() const override { return m_layoutRect; }
    void CopyToWindow(const QRect& rect) override;
    void Relayout() override;
    void RelayoutAndRepaint(bool full) override;
    void AnimateDim(bool dim) override { m_dim.Start(dim); }
    bool FullScreen() const override { return m_fullScreen; }
    bool MoveAllCursorShown() const override;

    // The line timer's work; direct when called without the timer (the keys, to refresh now).
    void LineTick(bool direct) { m_lineTick.Run(direct); }
    bool UpdateMasterMeters();
    void UpdatePausedTaskbarProgress();
    // The task bar's progress state, where a progress display is available.
    void SetTaskbarState(ProgressState state);
    // The task-bar timer's work; direct (without the timer) sets only the value.
    void TaskbarTick(bool direct) { showLineProgress("TaskbarTimer", true, direct); }
    // Brackets for every modal dialog of the program.
    void StepAsideForDialog();
    void ReturnAfterDialog();
    // Leaves full-screen mode, else switches between maximised and normal.
    void ToggleMaximised();
    // Borderless and maximised, or back to the border and the placement it had before.
    void SwitchFullScreen();
    // The title follows the plan half a second after it changed.
    void RefreshTitleSoon() { m_timers.TitleTimer.start(); }
    // The title from the plan now.
    void RefreshTitle();
    // Asked when the window is about to close; false keeps it open.
    void SetCloseQuery(std::function<bool()> query) { m_closeQuery = std::move(query); }
    // The auto-save's save of a changed plan, now.
    bool AutoSaveNow() { return m_autoSave.SaveNow(); }
    void AutoSaveAsGuest() { m_autoSave.SaveAsGuest(); }
    // The blink timer's work: the point hides for two ticks and shows for two.
    void BlinkTick();
    // The point starts blinking, or stops and stays shown.
    void SwitchPointBlinking();
    // Closing: every timer off and detached.
    void DoneTimers();
    // The key map, also for keys the carrier's held buttons send; false when nothing took it.
    // The numeric pad's divide and multiply carry Qt::KeypadModifier in the key.
    bool KeyDown(int key, ShiftState shift) { return m_keys.KeyDown(key, shift); }
    bool KeyUp(int key, ShiftState shift) { return m_keys.KeyUp(key, shift); }
    // Where the keys reach commands and menus; none: those keys do nothing.
    void SetKeyCommands(KeyCommandLink* link) { m_keys.SetLink(link); }

protected:
    // The key map sees every key first: no shortcut of the application takes one from it.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Tab moves the point, never the focus.
    bool focusNextPrevChild(bool next) override;

private:
    // Copies a part of the composition image to the window.
    void drawComposition(QPainter& painter, const QRect& rect);
    void connectTimers();
    MeterScene meterScene();
    // Device pixels to a window pixel, a whole number.
    int deviceScale() const;
    // The task-bar shows the line between the flags; keepState changes only the value.
    void showLineProgress(const char* operation, bool rolling, bool keepState);
    // The wheel over the room, the ruler or the lane strip scrolls the room's rows (columns with
    // Shift).
    void scrollRoomByWheel(int turn, bool columns);
    // The border again; the window is hidden until shown in its new state.
    void leaveFullScreen();
    // The normal bounds from before full-screen mode, when the window entered it unminimised.
    void restoreBoundsBeforeFullScreen();

    Arrangement& m_arrangement;
    MixerView& m_mixer;
    WindowPeers& m_peers;
    MenuLink* m_menus;
    FileDropLink* m_fileDrops;
    TaskbarProgress* m_taskbar;
    LineAndPoint* m_line = nullptr;
    RoomKeys* m_roomKeys = nullptr;

    int m_padding = 0;
    TLayoutRect m_layoutRect;
    bool m_layoutLocked = true;
    bool m_started = false;
    bool m_laidOut = false;
    bool m_presented = false;
    bool m_relayouting = false;
    bool m_pointBlink = true;
    bool m_fullScreen = false;
    // Before full-screen mode: maximised or not, and the normal bounds.
    bool m_maximisedBeforeFullScreen = false;
    QRect m_boundsBeforeFullScreen;

    WindowTimers m_timers;
    std::unique_ptr<TTheInterior> m_interior;
    MouseRouter m_router;
    DimAnimation m_dim;
    FadeIn m_fadeIn;
    LineTicker m_lineTick;
    AutoSave m_autoSave;
    ReportStepAside m_stepAside;
    CarrierKeys m_carrierKeys;
    KeyMap m_keys{*this, m_arrangement, m_carrierKeys};
    std::function<bool()> m_closeQuery;
};
