#include "commands/RenderStopMenu.h"

#include "commands/CommandHost.h"

#include <QCursor>
#include <QMenu>

int QtRenderStopMenu::ChooseRender(const QStringList& files) {
    QMenu menu(m_host.DialogParent());
    for (int i = 0; i < files.size(); ++i)
        menu.addAction(files[i])->setData(i);
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen ? chosen->data().toInt() : -1;
}
