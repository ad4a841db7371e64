// The program with its window: folders, settings, texts, the audio side, the window and the
// first plan brought up in order, and taken down in order at exit.
#pragma once

#include "app/CarrierHost.h"
#include "app/FileDialogHelp.h"
#include "app/InteriorPeers.h"
#include "app/LauncherEntryProgress.h"
#include "app/MainWindow.h"
#include "app/MinglerCarrierLink.h"
#include "app/MixerViewSlot.h"
#include "app/PlanWindowHooks.h"
#include "app/ProgramKeyCommands.h"
#include "app/ReportWindowLink.h"
#include "app/SettingsFile.h"
#include "app/SideWindows.h"
#include "app/WindowCommandHost.h"
#include "app/WindowFileDrops.h"
#include "app/WindowPlacement.h"
#include "app/WindowRenderHost.h"
#include "audio/ProgramAudio.h"
#include "commands/Audition.h"
#include "commands/BallPlacing.h"
#include "commands/ConfirmStopPerpetuations.h"
#include "commands/EditHistory.h"
#include "commands/EditorialProgram.h"
#include "commands/Instructor.h"
#include "commands/Menus.h"
#include "commands/QtPlanDialogs.h"
#include "controls/WatchRelay.h"
#include "model/Arrangement.h"
#include "support/ProgramFolders.h"
#include "support/Stopwatch.h"

#include <QDateTime>
#include <QLockFile>
#include <QPointer>
#include <QTimer>

#include <memory>

class ProgramMenuFacts;
class ProgramWindowLink;
class QtProgramDialogs;
class QtRenderStopMenu;
class SaveQuestion;
class SoundFileDialog;
class SoundFileLink;
class UnreadablePlanBoxes;
class WindowMenuLink;

// Interactive: dialogs ask and the user closes. Quit: nothing asks (a failed engine library
// aborts with its message on stderr, a changed plan is dropped), for scripts and tests.
enum class SessionMode { Interactive, Quit };

struct SessionOptions {
    ProgramFolders folders;
    QString file; // the command line's plan or sound file, as given; empty for a new plan
    SessionMode mode = SessionMode::Interactive;
    // Where the lane strip gets sound files; none: the sound-file dialog.
    SoundFileLink* soundFiles = nullptr;
};

// Needs a QApplication. UI thread only; one at a time, since the fault log, the texts and the
// engine libraries belong to the process.
class ProgramSession {
public:
    // Comes up to the shown window with its plan, unless an engine library halts start-up.
    explicit ProgramSession(const SessionOptions& options);
    // Shuts down: the changed plan's side copy when closing was bypassed, the settings with the
    // window's placement written, the window, the audio side, the texts, the settings store last.
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // Start-up could not go on (an engine library was refused, or the window could not be
    // made): nothing after the settings and the texts came up.
    bool Halted() const { return m_halted; }
    // Closing was accepted.
    bool Closed() const { return m_closed; }
    // Closes the window as the user does; false when closing was refused.
    bool Close();
    // Closes asking nothing, for a request to end from outside: a changed plan keeps its side
    // copy, and dialogs still open end with the message loop.
    void EndWithoutQuestions();

    TGlorinbaxMF* Window() { return m_window.get(); }
    Arrangement& Model() { return m_arrangement; }
    // The window's carrier; none when start-up halted.
    TTheCarrier* Carrier();
    ProgramAudio& Audio() { return m_audio; }
    // The window's commands; none when start-up halted.
    TTheInstructor* Instructor() { return m_instructor.get(); }
    ProgramMenus& Menus() { return m_menus; }
    // The report and the handout; none when start-up halted.
    SideWindows* Side() { return m_sideWindows.get(); }

private:
    void createWindow();
    void createInstructor();
    // The report and the handout; from then on report lines reach the report window.
    void createSideWindows();
    // The menus on the made window.
    void attachMenus();
    void startUp();
    // After a run that did not end normally, its automatic save when the user wants it back;
    // true when it became the plan.
    bool restoreAutoSave(const PlanFileSettings& settings);
    // The loudness slider shows the plan's master loudness.
    void syncSlider();
    void showWindow();
    // The words the window shows, after the language was switched.
    void languageSwitched();
    // Asked by the window before it closes: the running renders, the changed plan, then every
    // timer off.
    bool queryClose();
    // The plan row under the last context menu's position.
    int32_t popupRow() const;
    // Whether the renders still running may stop; Yes stops them.
    bool confirmStopRenders();
    // Everything made for the window, taken down in the reverse order, the window last but the
    // sound-file dialog its lane strip uses. Does nothing for what was never made.
    void detachWindow();
    void saveSettings();
    ExitSettings exitSettings();
    void endProgramAfterLogFailure();
    // Where the sound files that balls name are looked for.
    PlanReadContext readContext() const;
    // The edit history's step ends once the user's action is handled, a drag when the button
    // is let go.
    void endStepAfterAction();

    const SessionOptions m_options;
    TGenericStopwatch m_stopwatch;
    const QDateTime m_startTime;
    // Released last: the parts below read and write its store until they go; writes the file.
    std::unique_ptr<ProgramSettings> m_settings;
    const StartupSettings m_startup;
    ProgramAudio m_audio;
    PlanWindowHooks m_windowHooks;
    Arrangement m_arrangement;
    // Records from the end of start-up; each user action one step.
    TEditHistory m_history{m_arrangement, [this] { return readContext(); }};
    BallPlacing m_balls{m_arrangement, m_settings->Store()};
    WindowFileDrops m_fileDrops{m_balls};
    MixerViewSlot m_mixer;
    WatchRelay m_watch; // the watch once the interior made it
    ProgramMenus m_menus;
    std::unique_ptr<WindowMenuLink> m_menuWindow;
    std::unique_ptr<ProgramMenuFacts> m_menuFacts;
    InteriorPeers m_peers;
    ReportWindowLink m_reportLink{m_peers};
    std::unique_ptr<SoundFileDialog> m_soundFiles;
    MinglerCarrierLink m_carrierLink{m_arrangement, m_audio.Output(), m_peers};
    CarrierHost m_carrierHost{m_carrierLink};
    // Reached from the fault listener, which may run on any thread, through the event loop.
    std::shared_ptr<QPointer<QTimer>> m_reportTimer = std::make_shared<QPointer<QTimer>>();
    std::unique_ptr<SaveQuestion> m_saveQuestion;
    QtPlanDesktop m_desktop;
    FileDialogHelp m_fileDialogHelp;
    // The renders may end while the program shuts down: it stays to the end.
    WindowRenderHost m_renderHost{
        [this]() -> TGlorinbaxMF* { return m_closed ? nullptr : m_window.get(); }, m_desktop,
        [this] { return EditorialProgram(m_settings->Store()); }};
    std::unique_ptr<QtRenderStopMenu> m_renderStopMenu;
    std::unique_ptr<StopRendersBox> m_stopRenders;
    std::unique_ptr<ProgramKeyCommands> m_keyCommands;
    // The window shows the line's progress on it; it outlives the window.
    std::unique_ptr<TaskbarProgress> m_taskbar = MakeDesktopProgress();
    std::unique_ptr<TGlorinbaxMF> m_window;
    std::unique_ptr<WindowCommandHost> m_commandHost;
    std::unique_ptr<QtPlanDialogs> m_planDialogs;
    std::unique_ptr<UnreadablePlanBoxes> m_unreadableBoxes;
    std::unique_ptr<TTheInstructor> m_instructor;
    // The program and resource commands' window and dialogs.
    std::unique_ptr<ProgramWindowLink> m_programWindow;
    std::unique_ptr<QtProgramDialogs> m_programDialogs;
    std::unique_ptr<SideWindows> m_sideWindows;
    WindowPlacement m_restored; // as the settings gave it
    // This interactive run owns the automatic save's record; none beside another run.
    std::unique_ptr<QLockFile> m_autoSaveLock;
    bool m_halted = false;
    bool m_closed = false;
    bool m_saveSideCopy = true;
    bool m_askNothing = false;
};

enum class ProgramEnd { Closed, Halted };

// Program entry for the window: the application object (made here unless one exists), the
// session, then the message loop, or for Quit an immediate close on the offscreen platform
// (unless the environment names another).
ProgramEnd RunWindowProgram(const QString& exeName, const QString& file, SessionMode mode);
