#include "app/WindowRenderHost.h"

#include "app/MainWindow.h"
#include "commands/PlanDialogs.h"

#include <QDesktopServices>
#include <QUrl>

void WindowRenderHost::RefreshTitle() {
    if (TGlorinbaxMF* window = m_window())
        window->RefreshTitle();
}

void WindowRenderHost::OpenInEditor(const QString& fileName) {
    const QString program = m_editorialProgram();
    if (!program.isEmpty())
        m_desktop.StartProgram(program, {fileName});
}

void WindowRenderHost::OpenWithDefault(const QString& fileName) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
