#include "commands/YesNoBox.h"

#include "commands/DialogState.h"

#include <QMessageBox>

bool AskYesNoBox(CommandHost& host, const QString& caption, const QString& text,
                 const QString& detail) {
    const DialogState dialog(host);
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    host.DialogParent());
    box.setInformativeText(detail);
    return box.exec() == QMessageBox::Yes;
}
