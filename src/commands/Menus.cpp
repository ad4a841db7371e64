#include "commands/Menus.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "commands/MenusContents.h"
#include "commands/MenusOutputDevices.h"
#include "commands/MenusPlacement.h"
#include "commands/MenusRefresh.h"
#include "commands/MenusWindowLink.h"
#include "controls/Interior.h"
#include "controls/TheLine.h"
#include "controls/TheMenuTrigger.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "texts/Parlance.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// A press on the ruler's icon this soon after the window pop-up closed is the press that closed
// it.
constexpr std::chrono::milliseconds kReopenPause{100};
constexpr int kContextMenuCount = static_cast<int>(ContextMenu::Report) + 1;

MenuEntries contextEntries(ContextMenu which) {
    switch (which) {
    case ContextMenu::Lane:
        return menus::LaneMenuEntries();
    case ContextMenu::LaneStrip:
        return menus::LaneStripMenuEntries();
    case ContextMenu::Ruler:
        return menus::RulerMenuEntries();
    case ContextMenu::Watch:
        return menus::WatchMenuEntries();
    case ContextMenu::Carrier:
        return menus::CarrierMenuEntries();
    case ContextMenu::Slider:
        return menus::SliderMenuEntries();
    case ContextMenu::PeakMeters:
        return menus::PeakMeterMenuEntries();
    case ContextMenu::Ball:
        return menus::BallMenuEntries();
    case ContextMenu::Room:
        return menus::RoomMenuEntries();
    case ContextMenu::Report:
        return menus::ReportMenuEntries();
    }
    return {};
}

std::optional<Dispatcher> dispatcherOf(ContextMenu which) {
    switch (which) {
    case ContextMenu::Lane:
        return Dispatcher::Lane;
    case ContextMenu::LaneStrip:
        return Dispatcher::LaneStrip;
    case ContextMenu::Ruler:
        return Dispatcher::Ruler;
    case ContextMenu::Watch:
        return Dispatcher::Watch;
    case ContextMenu::Carrier:
        return Dispatcher::Carrier;
    case ContextMenu::Slider:
        return Dispatcher::Slider;
    case ContextMenu::PeakMeters:
        return std::nullopt;
    case ContextMenu::Ball:
        return Dispatcher::Ball;
    case ContextMenu::Room:
        return Dispatcher::Room;
    case ContextMenu::Report:
        return Dispatcher::Report;
    }
    return std::nullopt;
}

// The character after the caption's first single "&", upper-cased; none without one.
QChar accelerator(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

void dropMenu(QPointer<QMenu>& menu) {
    // Later: the menu may be the one whose item is running now.
    if (menu)
        menu->deleteLater();
    menu = nullptr;
}

} // namespace

ProgramMenus::ProgramMenus() = default;

ProgramMenus::~ProgramMenus() {
    Detach();
}

void ProgramMenus::Attach(const MenusSetup& setup) {
    Detach();
    m_setup = std::make_unique<MenusSetup>(setup);
    if (!m_setup->devices)
        m_setup->devices = ReadOutputDevices;
    build();
}

void ProgramMenus::Detach() {
    dropMenus();
    m_setup.reset();
    m_icons.reset();
}

void ProgramMenus::Rebuild() {
    if (!m_setup)
        return;
    dropMenus();
    build();
}

void ProgramMenus::dropMenus() {
    dropMenu(m_main);
    dropMenu(m_windowPopup);
    for (QPointer<QMenu>& menu : m_contexts)
        dropMenu(menu);
    m_contexts.clear();
}

void ProgramMenus::AddCommands(CommandTable& table) {
    table.Add(cmd::kDefaultDevice, [this] { SelectOutputDevice(-1); });
    table.Add(cmd::kNoSound, [this] { SelectOutputDevice(0); });
}

void ProgramMenus::build() {
    m_icons = std::make_unique<MenuIcons>(&m_setup->interior.Icons());
    m_devices = m_setup->devices();
    m_lists.languageBase = cmd::kFirstLanguage - 1 + static_cast<int>(Languages().size());
    m_lists.firstMissingDevice = m_devices.firstMissing;
    m_main = buildMainKind(false);
    for (int i = 0; i < kContextMenuCount; ++i) {
        auto* menu = new QMenu(&window());
        AppendEntries(*menu, contextEntries(static_cast<ContextMenu>(i)), *m_icons);
        QObject::connect(menu, &QMenu::triggered, [this, i](QAction* action) {
            runContext(static_cast<ContextMenu>(i), ItemId(*action));
        });
        m_contexts.emplace_back(menu);
    }
}

QMenu* ProgramMenus::buildMainKind(bool windowPopup) {
    auto* menu = new QMenu(&window());
    AppendEntries(*menu, windowPopup ? menus::WindowPopupEntries() : menus::MainPopupEntries(),
                  *m_icons);
    fillLists(*menu);
    if (windowPopup) {
        // Moving and sizing belong to the window manager; maximising is not offered.
        for (int id : {cmd::kWindowMove, cmd::kWindowSize, cmd::kWindowMaximize})
            Enable(*menu, id, false);
        QObject::connect(menu, &QMenu::triggered,
                         [this](QAction* action) { chosenInWindowPopup(action); });
    } else {
        QObject::connect(menu, &QMenu::triggered,
                         [this](QAction* action) { chosenInMain(action); });
    }
    return menu;
}

QStringList ProgramMenus::styleNames() const {
    const int language = SelectedLanguage();
    const QString code =
        language >= 0 && language < LanguageCodes().size() ? LanguageCodes()[language] : QString();
    return StyleNamesFor(m_setup->settings, code);
}

void ProgramMenus::SelectNextStyle() {
    if (!m_setup)
        return;
    const auto count = static_cast<int>(styleNames().size());
    if (count > 0)
        SelectStyle((std::max(m_setup->interior.SelectedInteriorStyle(), -1) + 1) % count);
}

void ProgramMenus::fillLists(QMenu& top) {
    if (QMenu* styles = FindSubMenu(top, cmd::kStyleMenu); styles && !LanguageCodes().isEmpty()) {
        FillStyleMenu(*styles, styleNames(), m_setup->interior.SelectedInteriorStyle(), *m_icons);
        RouteItems(*styles, ActivePopup::StyleMenu);
    }
    if (QMenu* languages = FindSubMenu(top, cmd::kLanguageMenu)) {
        FillLanguageMenu(*languages, Languages());
        RouteItems(*languages, ActivePopup::LanguageMenu);
    }
    if (QMenu* devices = FindSubMenu(top, cmd::kOutputDeviceMenu)) {
        FillOutputDeviceMenu(*devices, m_lists.languageBase, m_devices,
                             m_setup->window.SelectedOutputDevice(), *m_icons);
        RouteItems(*devices, ActivePopup::OutputDeviceMenu);
    }
}

QMenu* ProgramMenus::WindowPopup() {
    if (!m_setup)
        return nullptr;
    if (!m_windowPopup)
        m_windowPopup = buildMainKind(true);
    return m_windowPopup;
}

QMenu* ProgramMenus::Context(ContextMenu which) const {
    const auto index = static_cast<size_t>(which);
    return index < m_contexts.size() ? m_contexts[index].data() : nullptr;
}

void ProgramMenus::refreshMain(QMenu* menu) {
    if (!menu || !m_setup)
        return;
    m_active = ActivePopup::None;
    m_state = m_setup->facts.Now();
    if (m_state.busy)
        return;
    m_setup->contexts.PickObjects();
    endHoverReadOuts();
    RefreshMainMenu(*menu, m_state, *m_icons);
    // A key may have switched the style or the device since the menu was built.
    if (const QMenu* styles = FindSubMenu(*menu, cmd::kStyleMenu))
        TickStyle(*styles, m_setup->interior.SelectedInteriorStyle(), *m_icons);
    if (const QMenu* devices = FindSubMenu(*menu, cmd::kOutputDeviceMenu))
        TickOutputDevice(*devices, m_lists.languageBase, m_setup->window.SelectedOutputDevice(),
                         *m_icons);
}

void ProgramMenus::endHoverReadOuts() {
    // The menu covers the control under the mouse: what it shows on hovering ends as if the
    // mouse had left.
    const TTheInterior& interior = m_setup->interior;
    for (TCtrl* control : {interior.Lanes, interior.Ruler, interior.Watch, interior.Slider})
        if (control)
            control->MouseLeave();
}

void ProgramMenus::RefreshContext(ContextMenu which) {
    if (Context(which))
        refreshContext(which, m_setup->facts.Now());
}

void ProgramMenus::refreshContext(ContextMenu which, MenuState state) {
    QMenu* menu = Context(which);
    if (!menu)
        return;
    m_state = std::move(state);
    switch (which) {
    case ContextMenu::Lane:
        RefreshLaneMenu(*menu, m_state);
        break;
    case ContextMenu::LaneStrip:
        RefreshLaneStripMenu(*menu, m_state);
        break;
    case ContextMenu::Ruler:
        RefreshRulerMenu(*menu, m_state, *m_icons);
        break;
    case ContextMenu::Watch:
        RefreshWatchMenu(*menu, m_state, *m_icons);
        break;
    case ContextMenu::Carrier:
        RefreshCarrierMenu(*menu, m_state, *m_icons);
        break;
    case ContextMenu::Slider:
        RefreshSliderMenu(*menu, m_state);
        break;
    case ContextMenu::Ball:
        RefreshBallMenu(*menu, m_state, *m_icons);
        break;
    case ContextMenu::Room:
        RefreshRoomMenu(*menu, m_state, *m_icons);
        break;
    case ContextMenu::Report:
        RefreshReportMenu(*menu, m_state);
        break;
    case ContextMenu::PeakMeters:
        break;
    }
}

bool ProgramMenus::Dispatch(int id, ActivePopup via) {
    m_active = via;
    return DispatchCommand(id, via, m_lists, *this);
}

void ProgramMenus::chosenInMain(QAction* action) {
    Dispatch(ItemId(*action), ItemRoute(*action));
}

void ProgramMenus::chosenInWindowPopup(QAction* action) {
    const int id = ItemId(*action);
    if (!Dispatch(id, ItemRoute(*action)))
        runWindowCommand(id);
}

void ProgramMenus::runWindowCommand(int id) {
    QWidget& w = window();
    switch (id) {
    case cmd::kWindowRestore:
        w.showNormal();
        break;
    case cmd::kWindowMinimize:
        w.showMinimized();
        break;
    case cmd::kWindowMaximize:
        w.showMaximized();
        break;
    case cmd::kWindowClose:
        w.close();
        break;
    default:
        break;
    }
}

QWidget& ProgramMenus::window() const {
    return m_setup->window.Window();
}

void ProgramMenus::openAt(QMenu& menu, QPoint clientPoint) {
    menu.exec(window().mapToGlobal(clientPoint));
}

void ProgramMenus::OpenMainMenu(QRect trigger) {
    if (m_setup)
        openMainPopup(trigger, false);
}

void ProgramMenus::openMainPopup(const QRect& trigger, bool atLeft) {
    refreshMain(m_main);
    openAt(*m_main, MainPopupTopLeft(trigger, m_main->sizeHint().width(), atLeft));
    m_mainClosedAt = Now();
}

void ProgramMenus::ShowMainPopup(bool atLeft) {
    if (!m_setup)
        return;
    const TCtrl* trigger = m_setup->interior.MenuTrigger;
    if (!trigger) {
        openWindowPopup(QPoint(0, 0));
        return;
    }
    // Drawn pressed while its menu is open, as when it is clicked.
    TTheMenuTrigger* button = TheMenuTriggerOf(m_setup->interior);
    if (button)
        button->SetHighlighted(true);
    openMainPopup(trigger->BoundsRect.ToQRect(), atLeft);
    if (button && button->Highlighted)
        button->SetHighlighted(false);
}

void ProgramMenus::OpenMainMenuFromIcon() {
    if (!m_setup)
        return;
    if (m_windowPopupClosedAt && Now() - *m_windowPopupClosedAt <= kReopenPause)
        return;
    const TCtrl* ruler = m_setup->interior.Ruler;
    openWindowPopup(ruler ? WindowPopupTopLeft(ruler->BoundsRect.ToQRect(), ruler->Visible)
                          : QPoint());
}

void ProgramMenus::openWindowPopup(QPoint at) {
    QMenu* popup = WindowPopup();
    refreshMain(popup);
    openAt(*popup, at);
    m_windowPopupClosedAt = Now();
}

void ProgramMenus::ShowMenuByKey() {
    if (!m_setup)
        return;
    if (triggerShown())
        ShowMainPopup(false);
    else if (m_setup->window.FullScreen())
        OpenMainMenuFromIcon();
    else
        // Where the window's own menu would drop from.
        openWindowPopup(QPoint(0, 0));
}

bool ProgramMenus::triggerShown() const {
    const TCtrl* trigger = m_setup->interior.MenuTrigger;
    return trigger && trigger->Visible;
}

bool ProgramMenus::ShowMenuByLetter(QChar letter) {
    if (!m_setup)
        return false;
    const QMenu* menu = triggerShown() ? m_main.data() : WindowPopup();
    const QChar wanted = letter.toUpper();
    bool found = false;
    for (const QAction* action : menu->actions())
        found = found || (!action->isSeparator() && accelerator(action->text()) == wanted);
    if (!found)
        return false;
    // The open menu takes the letter as if it had been typed into it.
    const QKeySequence key = QKeySequence::fromString(QString(wanted));
    QTimer::singleShot(0, menu, [menu = QPointer<const QMenu>(menu), key, wanted] {
        // A menu that did not open (it had just closed) takes no letter.
        if (!menu || !menu->isVisible())
            return;
        QKeyEvent press(QEvent::KeyPress, key[0].key(), Qt::NoModifier, QString(wanted));
        QApplication::sendEvent(const_cast<QMenu*>(menu.data()), &press);
    });
    ShowMenuByKey();
    return true;
}

void ProgramMenus::ShowContextMenu(ContextMenu which, QPoint at) {
    if (Context(which))
        showContext(which, at, m_setup->facts.Now());
}

void ProgramMenus::showContext(ContextMenu which, QPoint at, MenuState state,
                               std::optional<int32_t> clickedLane) {
    QMenu* menu = Context(which);
    if (!menu)
        return;
    m_setup->contexts.PickObjects(clickedLane);
    refreshContext(which, std::move(state));
    m_popupPosition = window().mapToGlobal(at);
    openAt(*menu, at);
}

void ProgramMenus::OpenLaneMenu(QPoint at, int32_t lanePosition) {
    if (!Context(ContextMenu::Lane))
        return;
    MenuState state = m_setup->facts.Now();
    state.lane = m_setup->facts.LaneAt(lanePosition);
    // The lane went while the button was down: the row has none now.
    showContext(state.lane ? ContextMenu::Lane : ContextMenu::LaneStrip, at, std::move(state),
                lanePosition);
}

void ProgramMenus::ShowBallMenuAtPoint() {
    if (!m_setup)
        return;
    const TTheRoom* room = TheRoomOf(m_setup->interior);
    if (!room)
        return;
    const TThePoint& point = room->Model().room.Point;
    OpenBallMenu(BallMenuAtPoint(QPoint(point.PixelX, point.PixelY)));
}

void ProgramMenus::OpenBallMenu(QPoint at) {
    if (!m_setup)
        return;
    MenuState state = m_setup->facts.Now();
    const ContextMenu which = state.ball ? ContextMenu::Ball : ContextMenu::Room;
    showContext(which, at, std::move(state));
}

void ProgramMenus::ShowLaneMenuAtPoint() {
    if (!m_setup)
        return;
    const TTheRoom* room = TheRoomOf(m_setup->interior);
    const TCtrl* strip = m_setup->interior.Lanes;
    if (!room || !strip)
        return;
    const bool lane = m_setup->facts.Now().lane.has_value();
    ShowContextMenu(lane ? ContextMenu::Lane : ContextMenu::LaneStrip,
                    LaneMenuAtPoint(strip->BoundsRect.Right, room->Model().room.Point.PixelY));
}

void ProgramMenus::ShowRulerMenuAtLine() {
    if (!m_setup)
        return;
    TTheRoom* room = TheRoomOf(m_setup->interior);
    const TCtrl* ruler = m_setup->interior.Ruler;
    if (!room || !ruler)
        return;
    ShowContextMenu(ContextMenu::Ruler,
                    QPoint(room->Line().ComputePixelX(), ruler->BoundsRect.Bottom));
}

bool ProgramMenus::RunCommand(int id) {
    return m_setup->commands.Run(id);
}

void ProgramMenus::SelectStyle(int index) {
    m_setup->interior.SelectStyle(index);
    // The icons come from the new style.
    Rebuild();
}

void ProgramMenus::SelectLanguage(int index) {
    // The language's listeners rebuild the menus.
    ::SelectLanguage(index);
}

void ProgramMenus::SelectOutputDevice(int device) {
    m_setup->window.SelectOutputDevice(device);
    const int selected = m_setup->window.SelectedOutputDevice();
    for (QMenu* top : {m_main.data(), m_windowPopup.data()})
        if (const QMenu* devices = top ? FindSubMenu(*top, cmd::kOutputDeviceMenu) : nullptr)
            TickOutputDevice(*devices, m_lists.languageBase, selected, *m_icons);
}

bool ProgramMenus::ShownFullScreen() const {
    return m_setup->window.FullScreen() && !window().isMinimized();
}

void ProgramMenus::LeaveFullScreen() {
    m_setup->window.LeaveFullScreen();
}

void ProgramMenus::LaneCommand(int id) {
    m_setup->contexts.Run(Dispatcher::Lane, id);
}

void ProgramMenus::BallCommand(int id) {
    m_setup->contexts.Run(Dispatcher::Ball, id);
}

void ProgramMenus::runContext(ContextMenu which, int id) {
    // The peak meters' one item hides them, as the view menu's switch does.
    if (const std::optional<Dispatcher> dispatcher = dispatcherOf(which))
        m_setup->contexts.Run(*dispatcher, id);
    else
        RunCommand(id);
}
