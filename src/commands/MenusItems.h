// Menu items by command id: building a menu from a table, and the item operations that the
// refresh rules use (enable, tick, caption).
#pragma once

#include <QString>

#include <vector>

class NamedImages;
class QAction;
class QMenu;
class QWidget;

// The list or context sub-menu through which the user reached an item; some ids mean
// different things by the way they were reached.
enum class ActivePopup { None, StyleMenu, LanguageMenu, OutputDeviceMenu, RoomMenu, LanesMenu };

// One line of a menu: a command, a separator (id 0) or a sub-menu (entries not empty). A
// caption id other than the id names the caption where they differ (the window commands).
struct MenuEntry {
    int id = 0;
    QString icon; // the icon's name in the style's set, without ".bmp"; empty: none
    std::vector<MenuEntry> entries;
    ActivePopup route = ActivePopup::None; // set on every item below a sub-menu
    int captionId = 0;
    bool filledLater = false; // a list sub-menu, empty until its list fills it

    static MenuEntry Separator() { return {}; }
};
using MenuEntries = std::vector<MenuEntry>;

// The style's menu icons as QIcons; a missing picture gives no icon. UI thread only.
class MenuIcons {
public:
    // None: menus without icons (icon size 0, or no style yet).
    explicit MenuIcons(const NamedImages* images) : m_images(images) {}
    // Sets the named icon on the action; false (the action unchanged) when the style lacks it.
    bool Apply(QAction& action, const QString& name) const;

private:
    const NamedImages* m_images;
};

// Appends the entries to the menu; every item's data is its id.
void AppendEntries(QMenu& menu, const MenuEntries& entries, const MenuIcons& icons);

// Gives every item of the menu the route (list items are added after the menu was built).
void RouteItems(const QMenu& menu, ActivePopup route);
// The id of an item, 0 for separators and foreign actions.
int ItemId(const QAction& action);
// The route an item was built with.
ActivePopup ItemRoute(const QAction& action);
// Every item of the menu and its sub-menus with that id (a sub-menu's item is its menuAction).
std::vector<QAction*> FindItems(const QMenu& menu, int id);
// The first such item, or none.
QAction* FindItem(const QMenu& menu, int id);
// The sub-menu hanging at an id, or none.
QMenu* FindSubMenu(const QMenu& menu, int id);

// The item operations, on every item of that id in the tree.
void Enable(const QMenu& menu, int id, bool on);
// Ticked: the Ticked icon, else the check mark; unticked: the Unticked icon, else nothing.
void Check(const QMenu& menu, int id, bool on, const MenuIcons& icons);
void CheckAction(QAction& action, bool on, const MenuIcons& icons);
void SetCaption(const QMenu& menu, int id, const QString& caption);
