#include "commands/MenusItems.h"

#include "controls/NamedImages.h"
#include "texts/Parlance.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>

namespace {

const char* const kRouteProperty = "gbxRoute";

void appendEntries(QMenu& menu, const MenuEntries& entries, const MenuIcons& icons,
                   ActivePopup route) {
    for (const MenuEntry& entry : entries) {
        if (entry.id == 0) {
            menu.addSeparator();
            continue;
        }
        const QString caption = CommandCaption(entry.captionId ? entry.captionId : entry.id);
        QAction* action;
        const ActivePopup itemRoute = entry.route != ActivePopup::None ? entry.route : route;
        if (entry.entries.empty() && !entry.filledLater) {
            action = menu.addAction(caption);
        } else {
            auto* sub = new QMenu(caption, &menu);
            appendEntries(*sub, entry.entries, icons, itemRoute);
            action = menu.addMenu(sub);
        }
        action->setData(entry.id);
        action->setProperty(kRouteProperty, static_cast<int>(itemRoute));
        if (!entry.icon.isEmpty())
            icons.Apply(*action, entry.icon);
    }
}

void collect(const QMenu& menu, int id, std::vector<QAction*>& found) {
    for (QAction* action : menu.actions()) {
        if (ItemId(*action) == id)
            found.push_back(action);
        if (const QMenu* sub = action->menu())
            collect(*sub, id, found);
    }
}

} // namespace

bool MenuIcons::Apply(QAction& action, const QString& name) const {
    if (!m_images)
        return false;
    const QImage& image = m_images->Image(name + QStringLiteral(".bmp"));
    if (image.isNull())
        return false;
    action.setIcon(QIcon(QPixmap::fromImage(image)));
    return true;
}

void AppendEntries(QMenu& menu, const MenuEntries& entries, const MenuIcons& icons) {
    appendEntries(menu, entries, icons, ActivePopup::None);
}

void RouteItems(const QMenu& menu, ActivePopup route) {
    for (QAction* action : menu.actions())
        action->setProperty(kRouteProperty, static_cast<int>(route));
}

int ItemId(const QAction& action) {
    return action.isSeparator() ? 0 : action.data().toInt();
}

ActivePopup ItemRoute(const QAction& action) {
    return static_cast<ActivePopup>(action.property(kRouteProperty).toInt());
}

std::vector<QAction*> FindItems(const QMenu& menu, int id) {
    std::vector<QAction*> found;
    collect(menu, id, found);
    return found;
}

QAction* FindItem(const QMenu& menu, int id) {
    const std::vector<QAction*> found = FindItems(menu, id);
    return found.empty() ? nullptr : found.front();
}

QMenu* FindSubMenu(const QMenu& menu, int id) {
    for (QAction* action : FindItems(menu, id))
        if (action->menu())
            return action->menu();
    return nullptr;
}

void Enable(const QMenu& menu, int id, bool on) {
    for (QAction* action : FindItems(menu, id))
        action->setEnabled(on);
}

void CheckAction(QAction& action, bool on, const MenuIcons& icons) {
    action.setCheckable(true);
    action.setChecked(on);
    // Without the picture: the check mark alone when ticked, nothing when not.
    if (!icons.Apply(action, on ? QStringLiteral("Ticked") : QStringLiteral("Unticked")))
        action.setIcon(QIcon());
}

void Check(const QMenu& menu, int id, bool on, const MenuIcons& icons) {
    for (QAction* action : FindItems(menu, id))
        CheckAction(*action, on, icons);
}

void SetCaption(const QMenu& menu, int id, const QString& caption) {
    for (QAction* action : FindItems(menu, id))
        action->setText(caption);
}
