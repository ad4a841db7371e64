// Folder choice, the replace question and the copy progress with Qt.
#include "commands/QtProgramDialogs.h"

#include "commands/CommandHost.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

namespace {

constexpr int kSteps = 1000;
constexpr int kTextConfirm = 101;
constexpr int kTextReplace = 171;

class ProgressBox : public CopyProgress {
public:
    ProgressBox(QWidget* parent, const QString& title) : m_dialog(parent) {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setRange(0, kSteps);
        m_dialog.setMinimumDuration(0);
    }
    bool Step(qint64 doneBytes, qint64 totalBytes, const QString& file) override {
        m_dialog.setLabelText(QDir::toNativeSeparators(file));
        // setValue lets the dialog take its Cancel.
        m_dialog.setValue(totalBytes > 0 ? static_cast<int>(doneBytes * kSteps / totalBytes)
                                         : kSteps);
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

void QtProgramDialogs::OpenFolder(const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

QString QtProgramDialogs::AskFolder(const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(m_host.DialogParent(), title, startFolder);
}

ReplaceAnswer QtProgramDialogs::AskReplace(const QString& target) {
    switch (QMessageBox::question(m_host.DialogParent(), Text(kTextConfirm),
                                  FormatText(kTextReplace, {QDir::toNativeSeparators(target)}),
                                  QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No |
                                      QMessageBox::NoToAll | QMessageBox::Cancel,
                                  QMessageBox::No)) {
    case QMessageBox::Yes:
        return ReplaceAnswer::Replace;
    case QMessageBox::YesToAll:
        return ReplaceAnswer::ReplaceAll;
    case QMessageBox::No:
        return ReplaceAnswer::Skip;
    case QMessageBox::NoToAll:
        return ReplaceAnswer::SkipAll;
    default:
        return ReplaceAnswer::Cancel;
    }
}

std::unique_ptr<CopyProgress> QtProgramDialogs::ShowCopyProgress(const QString& title) {
    return std::make_unique<ProgressBox>(m_host.DialogParent(), title);
}
