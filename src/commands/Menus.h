// The program's pop-up menus: the main pop-up, the window pop-up and the context menus, with
// where they open and where a chosen item goes.
#pragma once

#include "commands/MenusFacts.h"
#include "commands/MenusItems.h"
#include "commands/MenusLists.h"
#include "commands/MenusRouting.h"
#include "controls/MenuLink.h"

#include <QChar>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <memory>

class CommandTable;
class ContextCommands;
class MenuWindowLink;
class TTheInterior;
class TWideCustomIniFile;

enum class ContextMenu {
    Lane,
    LaneStrip,
    Ruler,
    Watch,
    Carrier,
    Slider,
    PeakMeters,
    Ball,
    Room,
    Report
};

// What the menus are built on; everything outlives the attachment.
struct MenusSetup {
    MenuWindowLink& window;
    TTheInterior& interior;
    const TWideCustomIniFile& settings; // the style names by language
    const MenuFacts& facts;
    CommandTable& commands;
    ContextCommands& contexts; // the lane and ball of a menu, and the dispatchers' tables
    // The engine's output devices; the real list unless a test gives one.
    std::function<OutputDeviceList()> devices;
};

// Made before the window (the controls take it as their MenuLink) and attached once the window
// exists; while detached a request opens nothing, since no control can ask yet or any more.
// Building, refreshing and dispatching are apart from opening, so that each can run without a
// user. UI thread only.
class ProgramMenus : public MenuLink, private MenuRoutes {
public:
    using Clock = std::chrono::steady_clock;

    ProgramMenus();
    ~ProgramMenus() override;
    ProgramMenus(const ProgramMenus&) = delete;
    ProgramMenus& operator=(const ProgramMenus&) = delete;

    // Tests give a clock of their own.
    std::function<Clock::time_point()> Now = [] { return Clock::now(); };

    // Builds every menu on the window; Detach drops them.
    void Attach(const MenusSetup& setup);
    void Detach();
    // After a language switch: every menu again with the new captions.
    void Rebuild();
    // The commands the menus own: the default device and no sound.
    void AddCommands(CommandTable& table);

    // The key map's entry points.
    void ShowMainPopup(bool atLeft);
    void ShowMenuByKey();
    // Opens the menu the key opens with the item of that accelerator chosen; false (nothing
    // opened) when no item of it has that accelerator.
    bool ShowMenuByLetter(QChar letter);
    void ShowBallMenuAtPoint();
    void ShowLaneMenuAtPoint();
    void ShowRulerMenuAtLine();
    // A context menu at a point of the client area; its chosen id goes to the menu's dispatcher.
    void ShowContextMenu(ContextMenu which, QPoint at);

    // The menus as built, for opening and for tests; none while detached.
    QMenu* MainPopup() const { return m_main; }
    QMenu* WindowPopup();
    QMenu* Context(ContextMenu which) const;
    // The refresh rules, run just before a menu opens.
    void RefreshMainPopup() { refreshMain(m_main); }
    void RefreshWindowPopup() { refreshMain(WindowPopup()); }
    void RefreshContext(ContextMenu which);
    // Where the last context menu opened, in screen coordinates; its commands act there.
    QPoint PopupPosition() const { return m_popupPosition; }
    // A command run by its number acts where the mouse is, as if a menu had opened there.
    void SetPopupPosition(QPoint screen) { m_popupPosition = screen; }
    // The listed style after the selected one, round to the first.
    void SelectNextStyle();
    // The way the last chosen item was reached.
    ActivePopup Active() const { return m_active; }
    const MenuLists& Lists() const { return m_lists; }
    // The router for ids chosen in the main pop-up and the window pop-up.
    bool Dispatch(int id, ActivePopup via);

    // MenuLink
    void OpenRulerMenu(QPoint at) override { ShowContextMenu(ContextMenu::Ruler, at); }
    void OpenMainMenuFromIcon() override;
    void OpenSliderMenu(QPoint at) override { ShowContextMenu(ContextMenu::Slider, at); }
    void OpenPeakMeterMenu(QPoint at) override { ShowContextMenu(ContextMenu::PeakMeters, at); }
    void OpenMainMenu(QRect trigger) override;
    std::optional<Clock::time_point> MainMenuClosedAt() const override { return m_mainClosedAt; }
    void OpenCarrierMenu(QPoint at) override { ShowContextMenu(ContextMenu::Carrier, at); }
    // The lane menu reads the clicked lane rather than the one at the point's row.
    void OpenLaneMenu(QPoint at, int32_t lanePosition) override;
    void OpenLaneStripMenu(QPoint at) override { ShowContextMenu(ContextMenu::LaneStrip, at); }
    void OpenWatchMenu(QPoint at) override { ShowContextMenu(ContextMenu::Watch, at); }
    void OpenBallMenu(QPoint at) override;

private:
    void build();
    void dropMenus();
    QMenu* buildMainKind(bool windowPopup);
    void refreshMain(QMenu* menu);
    void endHoverReadOuts();
    void openMainPopup(const QRect& trigger, bool atLeft);
    void openWindowPopup(QPoint at);
    bool triggerShown() const;
    void fillLists(QMenu& top);
    // The listed styles' names in the language in force.
    QStringList styleNames() const;
    void chosenInMain(QAction* action);
    void chosenInWindowPopup(QAction* action);
    void runWindowCommand(int id);
    // Opens at a client point; returns once the menu closed.
    void openAt(QMenu& menu, QPoint clientPoint);
    // The context menu refreshed from the state given, then opened.
    void refreshContext(ContextMenu which, MenuState state);
    void showContext(ContextMenu which, QPoint at, MenuState state,
                     std::optional<int32_t> clickedLane = std::nullopt);
    void runContext(ContextMenu which, int id);
    QWidget& window() const;

    // MenuRoutes
    bool RunCommand(int id) override;
    void SelectStyle(int index) override;
    void SelectLanguage(int index) override;
    void SelectOutputDevice(int device) override;
    bool ShownFullScreen() const override;
    void LeaveFullScreen() override;
    bool HasCurrentLane() const override { return m_state.lane.has_value(); }
    bool HasCurrentBall() const override { return m_state.ball.has_value(); }
    void LaneCommand(int id) override;
    void BallCommand(int id) override;

    std::unique_ptr<MenusSetup> m_setup;
    std::unique_ptr<MenuIcons> m_icons;
    QPointer<QMenu> m_main;
    QPointer<QMenu> m_windowPopup;
    std::vector<QPointer<QMenu>> m_contexts;
    MenuLists m_lists;
    OutputDeviceList m_devices; // as the engine reported them when the menus were built
    MenuState m_state;          // as read when a menu last opened
    ActivePopup m_active = ActivePopup::None;
    QPoint m_popupPosition;
    std::optional<Clock::time_point> m_mainClosedAt;
    std::optional<Clock::time_point> m_windowPopupClosedAt;
};
