#include "commands/MenusLists.h"

#include "commands/CommandIds.h"
#include "commands/MenusContents.h"
#include "support/WideMemIniFile.h"
#include "texts/CommaText.h"
#include "texts/Parlance.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* addItem(QMenu& menu, int id, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setData(id);
    return action;
}

int deviceItemId(int languageBase, int device) {
    if (device == -1)
        return cmd::kDefaultDevice;
    if (device == 0)
        return cmd::kNoSound;
    return languageBase + device;
}

void tickOne(const QMenu& menu, int id, const MenuIcons& icons) {
    for (QAction* action : menu.actions())
        if (!action->isSeparator())
            CheckAction(*action, ItemId(*action) == id, icons);
}

} // namespace

QStringList StyleNamesFor(const TWideCustomIniFile& settings, const QString& languageCode) {
    const QString section = QStringLiteral("Main");
    const QStringList local = SplitCommaText(
        settings.ReadString(section, QStringLiteral("InteriorStyles.") + languageCode, QString()));
    if (!local.isEmpty())
        return local;
    return SplitCommaText(
        settings.ReadString(section, QStringLiteral("InteriorStyles"), QString()));
}

void FillStyleMenu(QMenu& menu, const QStringList& names, int selected, const MenuIcons& icons) {
    for (int i = 0; i < names.size(); ++i)
        addItem(menu, i + 1, names[i]);
    TickStyle(menu, selected, icons);
}

void TickStyle(const QMenu& menu, int index, const MenuIcons& icons) {
    tickOne(menu, index + 1, icons);
}

void FillLanguageMenu(QMenu& menu, const QStringList& languages) {
    for (int i = 0; i < languages.size(); ++i)
        addItem(menu, cmd::kFirstLanguage + i, languages[i]);
}

void FillOutputDeviceMenu(QMenu& menu, int languageBase, const OutputDeviceList& list,
                          int selectedDevice, const MenuIcons& icons) {
    addItem(menu, cmd::kDefaultDevice, CommandCaption(cmd::kDefaultDevice));
    menu.addSeparator();
    addItem(menu, cmd::kNoSound, CommandCaption(cmd::kNoSound));
    for (const OutputDevice& device : list.devices)
        addItem(menu, languageBase + device.number, device.name);
    TickOutputDevice(menu, languageBase, selectedDevice, icons);
}

void TickOutputDevice(const QMenu& menu, int languageBase, int device, const MenuIcons& icons) {
    tickOne(menu, deviceItemId(languageBase, device), icons);
}
