// Help in the file dialogs.
#include "app/FileDialogHelp.h"

#include "texts/Parlance.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

constexpr int kHelpCaptionText = 244;
constexpr int kFileDialogHelpText = 364;

} // namespace

FileDialogHelp::FileDialogHelp(std::function<void(QWidget&)> show) : m_show(std::move(show)) {}

void FileDialogHelp::ShowNote(QWidget& dialog) {
    QMessageBox::information(&dialog, GetText(kHelpCaptionText), GetText(kFileDialogHelpText));
}

bool FileDialogHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* dialog = widget ? qobject_cast<QFileDialog*>(widget->window()) : nullptr;
    if (!dialog)
        return false;
    // Taken here, so that the widgets the key would pass through on its way up ask nothing.
    m_show(*dialog);
    return true;
}
