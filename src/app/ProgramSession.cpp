// Start-up and shut-down of the program with its window.
#include "app/ProgramSession.h"

#include "app/AutoSaveRecovery.h"
#include "app/ProgramIcon.h"
#include "app/ProgramWindowLink.h"
#include "app/SaveQuestionWords.h"
#include "app/SoundFileWindow.h"
#include "app/StartupPlan.h"
#include "app/TermSignals.h"
#include "app/WindowDialogs.h"
#include "app/WindowMenuLink.h"
#include "commands/BallEditCommands.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "commands/ControlCommands.h"
#include "commands/EditorialProgram.h"
#include "commands/HistoryCommands.h"
#include "commands/LaneCommands.h"
#include "commands/MenusProgramFacts.h"
#include "commands/ProgramCommands.h"
#include "commands/QtProgramDialogs.h"
#include "commands/RenderCommands.h"
#include "commands/RenderStopMenu.h"
#include "commands/UnreadablePlanQuestion.h"
#include "commands/ViewCommands.h"
#include "commands/YesNoBox.h"
#include "controls/RoomLinks.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheMenuTrigger.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "planfile/PlanOperations.h"
#include "support/FaultLog.h"
#include "support/PathText.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScopeGuard>
#include <QThread>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

const QString kMainWindowSection = QStringLiteral("GlorinbaxMF");
const QString kBackupName = QStringLiteral("plan_backup.skw");
constexpr int kHaltExitCode = 1;

// The fault log knows its folder before anything can fail; then the user's data folder gets
// what the program ships.
SessionOptions withFaultLog(const SessionOptions& options) {
    faultlog::SetFolder(options.folders.dataFolder);
    faultlog::SetUiThread();
    SeedDataFolder(options.folders);
    return options;
}

template <class Work> void guarded(const char* operation, Work&& work) {
    try {
        work();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT(operation, e);
    }
}

} // namespace

ProgramSession::ProgramSession(const SessionOptions& options)
    : m_options(withFaultLog(options)), m_startTime(QDateTime::currentDateTime()),
      m_settings(std::make_unique<ProgramSettings>(m_options.folders)),
      m_startup(ReadStartupSettings(m_settings->Store(), m_options.folders.programFolder)),
      m_arrangement(m_audio.Hooks(), m_windowHooks) {
    const bool interactive = m_options.mode == SessionMode::Interactive;
    LoadParlance(m_settings->Store(), m_options.folders.dataFolder);
    // The arrangement was made before the texts were there.
    m_arrangement.room.TakeFlagCaptions();
    AddLanguageListener([this] { languageSwitched(); });
    if (interactive) {
        qApp->installEventFilter(&m_fileDialogHelp);
        faultlog::SetFailureHandler([this](const QString& text) {
            if (!AskGoOnAfterLogFailure(text))
                endProgramAfterLogFailure();
        });
    }
    const QString& programFolder = m_options.folders.programFolder;
    const LoadOutcome libraries =
        m_audio.LoadLibraries({InProgramFolder(m_startup.bassLibrary, programFolder),
                               InProgramFolder(m_startup.bassMixLibrary, programFolder),
                               InProgramFolder(m_startup.bassFlacLibrary, programFolder)},
                              interactive ? WindowLoadQuestions() : HeadlessLoadQuestions());
    if (libraries == LoadOutcome::Halt) {
        m_halted = true;
        return;
    }
    try {
        createWindow();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("FormCreate", e);
        guarded("FormCreate", [this] { detachWindow(); });
        m_halted = true;
        return;
    }
    guarded("StartUp", [this] { startUp(); });
    guarded("StartUp", [this] { m_window->SetStarted(); });
    guarded("FormShow", [this] { showWindow(); });
    if (interactive)
        guarded("AskAboutUnreadablePlan", [this] {
            AskAboutUnreadablePlan(
                m_arrangement, true, true, *m_unreadableBoxes, *m_commandHost,
                PlanFileSettings{ReadDefaultResourcesFolder(m_settings->Store())});
        });
    m_history.Clear(!m_arrangement.plan.Modified());
    m_history.SetStepListener(
        [this] { QTimer::singleShot(0, m_window.get(), [this] { endStepAfterAction(); }); });
    m_history.SetRecording(true);
}

PlanReadContext ProgramSession::readContext() const {
    return ContextOfOpenPlan(m_arrangement.plan, ReadDefaultResourcesFolder(m_settings->Store()));
}

void ProgramSession::endStepAfterAction() {
    constexpr int kDragPollMs = 50;
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        QTimer::singleShot(kDragPollMs, m_window.get(), [this] { endStepAfterAction(); });
    else
        m_history.CloseStep();
}

TTheCarrier* ProgramSession::Carrier() {
    return m_window ? TheCarrierOf(m_window->Interior()) : nullptr;
}

void ProgramSession::createWindow() {
    const TWideMemIniFile& store = m_settings->Store();
    ControlMakers makers;
    AddRoomAndRuler(makers, RoomLinks{m_arrangement, m_mixer, m_carrierHost, m_watch, m_menus,
                                      RoomSettings::FromStore(store), m_balls});
    AddWatch(makers, m_arrangement, m_menus, m_watch);
    m_soundFiles = std::make_unique<SoundFileDialog>(m_arrangement, store);
    SoundFileLink& soundFiles = m_options.soundFiles ? *m_options.soundFiles : *m_soundFiles;
    AddLaneStrip(makers, LaneStripLinks{m_arrangement, m_mixer, m_watch, soundFiles, m_menus});
    makers.carrier = [this,
                      settings = CarrierSettings::FromStore(store)](TCtrlList& list) -> TCtrl& {
        return list.Create<TTheCarrier>(m_arrangement, m_carrierLink, m_menus, settings);
    };
    AddSlider(makers, SliderLinks{m_arrangement, m_carrierHost, m_watch, m_menus});
    AddMenuTrigger(makers, m_menus);
    m_window = std::make_unique<TGlorinbaxMF>(
        MainWindowSetup{m_options.folders, store, m_startup, m_arrangement, m_mixer, m_peers,
                        m_stopwatch, m_taskbar.get(), makers, &m_menus, &m_fileDrops});
    // Start-up and the unreadable-plan question use the carrier: without one, start-up halts.
    if (!Carrier())
        throw std::logic_error("The window was made without its carrier");
    m_restored = {PlacementOf(*m_window).state, m_window->geometry(), false};
    TTheRoom* room = TheRoomOf(m_window->Interior());
    {
        // The syncs reach the room under the mix lock; so is it attached and detached.
        MixerLock lock(m_arrangement.audio);
        m_carrierHost.Attach(m_window.get(), room, Carrier());
    }
    m_carrierLink.AttachWindow(m_window.get());
    m_windowHooks.Attach(m_window.get(), room);
    m_peers.Report().AttachTimer(&m_window->Timers().ReportTimer);
    m_peers.AttachInterior(&m_window->Interior());
    m_balls.AttachInterior(&m_window->Interior());
    m_fileDrops.AttachInterior(&m_window->Interior());
    *m_reportTimer = &m_window->Timers().ReportTimer;
    const auto startReportTimer = [timer = m_reportTimer] {
        // Any thread: the timer starts on the UI thread, if it is still there by then.
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [timer] {
                    // A running timer keeps its time: restarting it could put it off for good.
                    if (*timer && !(*timer)->isActive())
                        (*timer)->start();
                },
                Qt::QueuedConnection);
    };
    faultlog::SetFaultListener(startReportTimer);
    reportqueue::SetLineListener(startReportTimer);
    createInstructor();
    m_window->SetCloseQuery([this] { return queryClose(); });
    CommandTable& commands = m_instructor->Commands();
    AddViewCommands(commands, {m_window->Interior(), m_arrangement.room.Flags,
                               [this] { return m_audio.Mingler(); }, [this] { Close(); }});
    AddLaneCommands(commands, m_instructor->Contexts(),
                    {m_arrangement,
                     m_instructor->State(),
                     m_desktop,
                     m_window->Interior(),
                     [this] { return m_audio.Mingler(); },
                     [] { return QGuiApplication::keyboardModifiers(); },
                     [this] { return popupRow(); },
                     {}});
    AddHistoryCommands(commands,
                       {m_arrangement, m_history, m_instructor->State(), m_window->Interior()});
    AddBallEditCommands(
        commands, m_instructor->Contexts(),
        {m_arrangement, m_instructor->State(), *m_commandHost, m_desktop, m_window->Interior(),
         store, [this] { return m_audio.Mingler(); },
         [] { return QGuiApplication::queryKeyboardModifiers(); }, [this] { return popupRow(); },
         [this](const QString& caption, const QString& text, const QString& detail) {
             return AskYesNoBox(*m_commandHost, caption, text, detail);
         }});
    m_programWindow =
        std::make_unique<ProgramWindowLink>(*m_window, m_peers, m_mixer, m_audio.Output());
    m_programDialogs = std::make_unique<QtProgramDialogs>(*m_commandHost);
    AddProgramCommands(
        commands,
        {m_arrangement, *m_commandHost, *m_planDialogs, m_desktop, *m_programWindow,
         *m_programDialogs, m_settings->Store(), m_options.folders, m_stopwatch,
         [this] { return confirmStopRenders(); }, [this] { return m_mixer.RenderCount() > 0; },
         [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); }});
    m_renderStopMenu = std::make_unique<QtRenderStopMenu>(*m_commandHost);
    AddRenderCommands(commands,
                      {m_arrangement, *m_commandHost, *m_planDialogs, m_settings->Store(),
                       m_renderHost, *m_renderStopMenu, m_window->Timers().RenderTimer,
                       m_options.folders.programFolder, [this] { return m_audio.Renders(); },
                       [this] { return m_audio.Mingler(); }});
    AddControlCommands(commands, m_instructor->Contexts(),
                       {m_arrangement, m_window->Interior(), m_carrierHost, m_desktop,
                        *m_commandHost, *m_planDialogs, m_reportLink, m_settings->Store(),
                        m_audio.Output(), [this] { return m_audio.Mingler(); },
                        [this] { return m_window->mapFromGlobal(m_menus.PopupPosition()).x(); },
                        [this] { m_window->SwitchPointBlinking(); }});
    SoundFileLinks soundFileLinks{
        m_arrangement,  *m_commandHost,      m_instructor->State(),
        *m_planDialogs, m_desktop,           soundFiles,
        m_balls,        m_settings->Store(), [this] { return m_audio.Mingler(); }};
    AttachSoundFileWindow(soundFileLinks, *m_window);
    soundFileLinks.popupRow = [this] { return popupRow(); };
    soundFileLinks.confirmStopPerpetuations = [this] { return confirmStopRenders(); };
    AddSoundFileCommands(commands, m_instructor->Contexts(), soundFileLinks);
    attachMenus();
    const CommandRoutes routes{commands, m_instructor->Contexts(), m_instructor->State(),
                               [this] { m_menus.SetPopupPosition(QCursor::pos()); }};
    m_keyCommands = std::make_unique<ProgramKeyCommands>(
        KeyCommandsSetup{commands, m_menus, m_desktop,
                         [this](bool replace, bool release) {
                             CommandState& state = m_instructor->State();
                             AuditionAtPoint(m_audio.Mingler(), m_arrangement, state.CurrentLane,
                                             state.CurrentBall, replace, release);
                         },
                         m_options.folders.settingsFile,
                         [this] {
                             saveSettings();
                             m_settings->Write();
                         },
                         [routes](int id) { return RunRoutedCommand(routes, id); },
                         [this, routes] {
                             if (TTheWatch* watch = TheWatchOf(m_window->Interior()))
                                 RunCommandByNumber(watch->Typer(), routes);
                         },
                         &m_instructor->Contexts(), &m_instructor->State()});
    m_window->SetKeyCommands(m_keyCommands.get());
    m_fileDrops.SetPlanOpener([this](const QString& name) { m_instructor->OpenPlanFile(name); });
    createSideWindows();
}

void ProgramSession::createSideWindows() {
    m_sideWindows = std::make_unique<SideWindows>(SideWindowsSetup{
        *m_window, *m_commandHost, m_menus, m_options.folders.defaultInteriorFolder});
    m_instructor->Commands().Add(cmd::kSwitchHandout, [this] {
        m_sideWindows->Handout().Switch();
        m_window->RefreshTitle();
    });
    m_peers.Report().AttachWindow(&m_sideWindows->Report());
    reportqueue::SetAccepting(true);
}

void ProgramSession::createInstructor() {
    if (m_options.mode == SessionMode::Interactive)
        m_saveQuestion = std::make_unique<SaveQuestionBox>(*m_window, m_arrangement.plan);
    else
        m_saveQuestion = std::make_unique<QuietSaveQuestion>();
    m_commandHost = std::make_unique<WindowCommandHost>(*m_window, m_peers);
    m_soundFiles->Attach(m_commandHost.get());
    m_planDialogs = std::make_unique<QtPlanDialogs>(*m_commandHost, m_desktop);
    m_unreadableBoxes = std::make_unique<UnreadablePlanBoxes>(*m_commandHost, *Carrier());
    m_stopRenders = std::make_unique<StopRendersBox>(*m_commandHost);
    m_instructor = std::make_unique<TTheInstructor>(InstructorLinks{
        m_arrangement, *m_commandHost, *m_saveQuestion, *m_planDialogs, m_desktop,
        *m_unreadableBoxes, m_stopwatch, m_options.folders.dataFolder + kBackupName,
        PlanFileSettings{ReadDefaultResourcesFolder(m_settings->Store())},
        [this] { return confirmStopRenders(); }, [this] { return m_audio.Mingler(); }});
}

int32_t ProgramSession::popupRow() const {
    const TTheLaneStrip* strip = TheLaneStripOf(m_window->Interior());
    const int32_t top = strip ? strip->BoundsRect.Top : m_arrangement.room.Top;
    const QPoint at = m_window->mapFromGlobal(m_menus.PopupPosition());
    return m_arrangement.lanes.RowAtPixel(at.y(), top);
}

bool ProgramSession::confirmStopRenders() {
    return ConfirmStopPerpetuations(m_mixer, *m_stopRenders, *m_commandHost);
}

void ProgramSession::attachMenus() {
    m_menuWindow = std::make_unique<WindowMenuLink>(*m_window, m_arrangement, m_audio, m_peers,
                                                    m_settings->Store(),
                                                    [this] { return confirmStopRenders(); });
    m_menuFacts = std::make_unique<ProgramMenuFacts>(
        m_arrangement, m_window->Interior(), *m_menuWindow, m_desktop,
        [this]() -> const TTheMingler* { return m_audio.Mingler(); }, &m_history);
    CommandTable& commands = m_instructor->Commands();
    m_menus.AddCommands(commands);
    m_menus.Attach(MenusSetup{*m_menuWindow,
                              m_window->Interior(),
                              m_settings->Store(),
                              *m_menuFacts,
                              commands,
                              m_instructor->Contexts(),
                              {}});
}

void ProgramSession::startUp() {
    const TWideMemIniFile& store = m_settings->Store();
    AudioStartSettings audio;
    audio.programFolder = m_options.folders.programFolder;
    audio.selectedDevice = m_startup.selectedDevice;
    audio.bufferMsText = m_startup.bufferMsText;
    audio.mingler.roundRobin = ReadSettingBool(store, Setting("Carrier", "RoundRobin"));
    audio.mingler.laneMeters = m_window->Interior().LaneStripStates.metersVisible;
    m_audio.StartUp(m_arrangement, m_carrierHost, audio);
    m_mixer.Set(m_audio.View());
    m_carrierLink.AttachMingler(m_audio.Mingler());

    if (m_options.mode == SessionMode::Interactive) {
        m_autoSaveLock = TakeAutoSaveLock(AutoSaveFileIn(m_options.folders.dataFolder));
        if (!m_autoSaveLock)
            m_window->AutoSaveAsGuest();
    }
    const PlanFileSettings planSettings{ReadDefaultResourcesFolder(store)};
    const StartupOpening opening =
        restoreAutoSave(planSettings)
            ? StartupOpening{true, false}
            : OpenStartupFile(m_arrangement, m_options.file, planSettings,
                              ReadSettingBool(store, Setting("Carrier", "RollOnStartup")));
    TTheCarrier& carrier = *Carrier();
    if (opening.loaded) {
        carrier.SetLastRollPosition(carrier.SettlePosition());
        carrier.MoveLine(carrier.RollPosition());
    }
    if (opening.roll) {
        const bool fadeIn =
            opening.loaded && ReadSettingBool(store, Setting("Audio.Out", "FadeInOnStartup"));
        const long double step = ReadSettingFloat(store, Setting("Audio.Out", "FadeInStep"));
        if (!fadeIn)
            syncSlider();
        m_carrierHost.SetFadeIn(fadeIn, step);
        carrier.Roll(true, carrier.RollPosition());
        m_carrierHost.SetFadeIn(false, step);
    } else {
        m_window->Timers().LineTimer.stop();
        syncSlider();
    }
}

bool ProgramSession::restoreAutoSave(const PlanFileSettings& settings) {
    if (!m_autoSaveLock)
        return false;
    const std::optional<RecoverableSave> save =
        FindRecoverableSave(AutoSaveFileIn(m_options.folders.dataFolder));
    if (!save)
        return false;
    const QString plan = save->planFile.isEmpty() ? Text(29) : save->planFile;
    QMessageBox box(
        QMessageBox::Question, Text(42),
        FormatText(349, {plan, QLocale().toString(save->savedAt, QLocale::ShortFormat)}),
        QMessageBox::Yes | QMessageBox::No, m_window.get());
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) {
        // Kept for the user, out of the next automatic save's way.
        if (const QString aside = KeepAutoSaveAside(*save); !aside.isEmpty())
            Report(aside, FormatText(320, {aside}), false);
        return false;
    }
    if (RestoreAutoSave(m_arrangement, *save, settings))
        return true;
    Report(save->autoSaveFile, m_arrangement.plan.LoadMessages, true);
    return false;
}

void ProgramSession::syncSlider() {
    if (TTheSlider* slider = TheSliderOf(m_window->Interior()))
        slider->SyncToPlan();
}

void ProgramSession::showWindow() {
    m_restored =
        ReadPlacement(m_settings->Store(), kMainWindowSection, m_restored, ScreenLayoutText());
    ApplyBounds(*m_window, m_restored);
    m_sideWindows->Restore(m_settings->Store());
    m_window->AllowLayout();
    // Full-screen mode keeps the restored state for the next normal run.
    ShowInState(*m_window, m_window->FullScreen() ? PlacementState::Maximised : m_restored.state);
    if (!m_window->LaidOut())
        m_window->Relayout();
    m_window->RefreshTitle();
    // Once, at the first start; scripts see no window they did not ask for.
    if (!m_startup.handoutShown && m_options.mode == SessionMode::Interactive)
        m_sideWindows->Handout().Switch();
}

void ProgramSession::languageSwitched() {
    m_arrangement.room.TakeFlagCaptions();
    m_menus.Rebuild();
    if (m_sideWindows)
        m_sideWindows->LanguageSwitched();
    if (m_window && m_window->LaidOut())
        m_window->RelayoutAndRepaint(false);
}

bool ProgramSession::Close() {
    if (m_window && !m_closed)
        m_window->close();
    return m_closed;
}

void ProgramSession::EndWithoutQuestions() {
    m_askNothing = true;
    Close();
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool ProgramSession::queryClose() {
    try {
        // The renders first: a No leaves the plan's question unasked.
        if (!m_askNothing &&
            (!confirmStopRenders() || !m_instructor->SettleBeforeClose(m_saveSideCopy)))
            return false;
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("FormCloseQuery", e);
        return false;
    }
    m_closed = true;
    // An end the user chose: the next start has no automatic save to offer.
    if (m_autoSaveLock)
        RemoveAutoSaveRecord(AutoSaveFileIn(m_options.folders.dataFolder));
    m_carrierHost.SetClosing();
    // What is reported from now on goes to the fault log.
    reportqueue::SetAccepting(false);
    *m_reportTimer = nullptr;
    m_window->DoneTimers();
    return true;
}

ExitSettings ProgramSession::exitSettings() {
    const TWideMemIniFile& store = m_settings->Store();
    const InteriorSettings view = m_window->Interior().Current();
    const TTheFlags& flags = m_arrangement.room.Flags;
    const TTheMingler* mingler = m_audio.Mingler();
    TTheRoom* room = TheRoomOf(m_window->Interior());
    ExitSettings s;
    s.fullScreen = m_window->FullScreen();
    s.editorialProgram = EditorialProgram(store);
    s.selectedInteriorStyle = view.selectedStyle;
    s.selectedLanguage = SelectedLanguage();
    s.bufferMsText = QString::fromStdString(m_audio.Output().BufferMs.Text());
    s.selectedDevice = m_audio.Output().Device;
    s.menuTriggerVisible = view.menuTriggerVisible;
    s.watchPeekLanesLoudness = view.watch.peekLanesLoudness;
    s.watchAllowOutOfRange = view.watch.allowOutOfRange;
    s.watchSecondMode = view.watch.secondMode;
    s.watchVisible = view.watchVisible;
    s.rulerVisible = view.rulerVisible;
    s.carrierVisible = view.carrierVisible;
    // Without the mingler or the room (start-up failed) nothing changed what was read.
    s.carrierRoundRobin =
        mingler ? mingler->RoundRobin() : ReadSettingBool(store, Setting("Carrier", "RoundRobin"));
    s.carrierFollowTheLine = room ? room->AutoScroll().FollowTheLine
                                  : ReadSettingBool(store, Setting("Carrier", "FollowTheLine"));
    s.sliderVisible = view.sliderVisible;
    s.lanesVisible = view.lanesVisible;
    s.laneMetersVisible = view.laneStrip.metersVisible;
    s.laneHandlesZoom = view.laneStrip.handlesZoom;
    s.flagsVisible = flags.FlagsShown;
    s.flagHandlesVisible = flags.HandlesShown;
    s.leftMasterMeter = view.leftMeter;
    s.rightMasterMeter = view.rightMeter;
    return s;
}

void ProgramSession::saveSettings() {
    TWideMemIniFile& store = m_settings->Store();
    try {
        WindowPlacement placement = PlacementOf(*m_window);
        if (m_window->FullScreen())
            placement.state = m_restored.state;
        SavePlacement(store, kMainWindowSection, placement, ScreenLayoutText());
    } catch (const std::exception&) {
        GBX_FAULT("failed to SaveMainFormSettings");
    }
    if (m_sideWindows)
        m_sideWindows->Save(store);
    SaveSettings(store, exitSettings());
}

void ProgramSession::endProgramAfterLogFailure() {
    if (m_settings)
        m_settings->Write();
    std::fflush(nullptr);
    std::_Exit(kHaltExitCode);
}

void ProgramSession::detachWindow() {
    reportqueue::SetAccepting(false);
    m_peers.Report().AttachWindow(nullptr);
    // Lines the window has not shown yet go to the fault log, before the sound side waits.
    m_peers.MoveQueuedReportLines();
    // The syncs must not find controls being destroyed.
    MixerLock lock(m_arrangement.audio);
    m_sideWindows.reset();
    m_fileDrops.SetPlanOpener({});
    if (m_window)
        m_window->SetKeyCommands(nullptr);
    m_keyCommands.reset();
    m_menus.Detach();
    m_menuFacts.reset();
    m_menuWindow.reset();
    m_instructor.reset();
    m_programDialogs.reset();
    m_programWindow.reset();
    m_renderStopMenu.reset();
    m_stopRenders.reset();
    m_unreadableBoxes.reset();
    m_planDialogs.reset();
    if (m_soundFiles)
        m_soundFiles->Attach(nullptr);
    m_commandHost.reset();
    m_saveQuestion.reset();
    *m_reportTimer = nullptr;
    m_fileDrops.AttachInterior(nullptr);
    m_balls.AttachInterior(nullptr);
    m_peers.AttachInterior(nullptr);
    m_peers.Report().AttachTimer(nullptr);
    m_windowHooks.Attach(nullptr, nullptr);
    // A dock would otherwise keep showing the last progress of a program that has gone.
    m_carrierLink.ClearProgress();
    m_carrierLink.AttachWindow(nullptr);
    m_carrierHost.Attach(nullptr, nullptr, nullptr);
    m_window.reset();
    // The lane strip chooses its files through it.
    m_soundFiles.reset();
}

ProgramSession::~ProgramSession() {
    // What goes now is no edit.
    m_history.SetRecording(false);
    guarded("FormDestroy", [this] {
        if (m_window) {
            guarded("DoneTimers", [this] { m_window->DoneTimers(); });
            // Closing went around the question: keep the changes beside the plan's file, or
            // where the auto-save keeps them when that cannot be done.
            if (m_saveSideCopy && !m_instructor->KeepSideCopy())
                m_window->AutoSaveNow();
            if (m_watch.Typing())
                m_watch.EndTyping();
            saveSettings();
        }
    });
    guarded("FormDestroy", [this] { detachWindow(); });
    // Before the audio side goes, whose shut-down may stall; the release writes it once more.
    m_settings->Write();
    m_mixer.Set(nullptr);
    m_carrierLink.AttachMingler(nullptr);
    m_audio.ShutDown();
    faultlog::SetFaultListener(nullptr);
    reportqueue::SetLineListener(nullptr);
    faultlog::SetFailureHandler(nullptr);
    FreeParlance();
}

ProgramEnd RunWindowProgram(const QString& exeName, const QString& file, SessionMode mode) {
    if (mode == SessionMode::Quit && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window is drawn in whole screen pixels: a screen above 144 dpi doubles it, and so on.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    std::unique_ptr<QApplication> application;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "glorinbax";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Glorinbax"));
    // Numbers in files and settings use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    const QString fullName = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    const ProgramFolders folders = ProgramFolders::ForExecutable(exeName);
    QApplication::setWindowIcon(ProgramIcon(folders.programFolder));
    // Made first, so that a request to end during start-up waits for the session.
    TermSignals endRequests;
    ProgramSession session({folders, fullName, mode});
    if (session.Halted())
        return ProgramEnd::Halted;
    endRequests.OnRequest([&session] { session.EndWithoutQuestions(); });
    const auto detach = qScopeGuard([&endRequests] { endRequests.OnRequest({}); });
    if (mode == SessionMode::Quit)
        session.Close();
    else if (!session.Closed())
        QApplication::exec();
    return ProgramEnd::Closed;
}
