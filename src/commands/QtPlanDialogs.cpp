// File dialogs, message boxes and the desktop's services for the plan commands.
#include "commands/QtPlanDialogs.h"

#include "commands/CommandHost.h"
#include "commands/CommandIds.h"
#include "commands/FileDialogFilter.h"
#include "texts/Parlance.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

constexpr int kTextProgramFilter = 45;
constexpr int kDBusTimeoutMs = 2000;

void prepare(QFileDialog& dialog, const FileDialogSpec& spec, const QStringList& filters) {
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (!spec.folder.isEmpty())
        dialog.setDirectory(spec.folder);
}

QString permissionsText(QFileDevice::Permissions p) {
    const auto bit = [p](QFileDevice::Permission flag, char c) {
        return p.testFlag(flag) ? QLatin1Char(c) : QLatin1Char('-');
    };
    return QString() + bit(QFileDevice::ReadOwner, 'r') + bit(QFileDevice::WriteOwner, 'w') +
           bit(QFileDevice::ExeOwner, 'x') + bit(QFileDevice::ReadGroup, 'r') +
           bit(QFileDevice::WriteGroup, 'w') + bit(QFileDevice::ExeGroup, 'x') +
           bit(QFileDevice::ReadOther, 'r') + bit(QFileDevice::WriteOther, 'w') +
           bit(QFileDevice::ExeOther, 'x');
}

} // namespace

QString DialogCaption(int commandId) {
    QString caption = CommandCaption(commandId);
    return caption.remove(QLatin1Char('&')).remove(QChar(0x2026)).remove(QStringLiteral("..."));
}

QString FileFactsText(const QString& file) {
    const QFileInfo info(file);
    const QLocale locale = QLocale::system();
    QStringList lines{info.fileName(), QDir::toNativeSeparators(info.absolutePath())};
    if (info.exists()) {
        lines << locale.formattedDataSize(info.size()) + QStringLiteral(" (") +
                     locale.toString(info.size()) + QLatin1Char(')');
        lines << locale.toString(info.lastModified(), QLocale::LongFormat);
        lines << info.owner() + QLatin1Char(' ') + info.group() + QLatin1Char(' ') +
                     permissionsText(info.permissions());
    }
    return lines.join(QLatin1Char('\n'));
}

bool QtPlanDialogs::AskSaveFile(const FileDialogSpec& spec, QString& fileName, int& filterIndex) {
    const QStringList filters = QtFileFilters(spec.filter);
    QFileDialog dialog(m_host.DialogParent(), spec.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    prepare(dialog, spec, filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().first();
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

QString QtPlanDialogs::AskOpenFile(const FileDialogSpec& spec) {
    QFileDialog dialog(m_host.DialogParent(), spec.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, spec, QtFileFilters(spec.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void QtPlanDialogs::ShowInformation(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok,
                    m_host.DialogParent());
    // Names and numbers are often wanted elsewhere.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void QtPlanDialogs::ShowOpenWith(const QString& file) {
    QFileDialog dialog(m_host.DialogParent(), DialogCaption(cmd::kOpenPlanWith));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(QtFileFilters(Text(kTextProgramFilter)));
    dialog.setDirectory(QStringLiteral("/usr/bin"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_desktop.StartProgram(dialog.selectedFiles().first(), {file});
}

void QtPlanDialogs::ShowProperties(const QString& file) {
    ShowInformation(DialogCaption(cmd::kShowPlanProperties), FileFactsText(file));
}

bool QtPlanDesktop::StartProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtPlanDesktop::OpenWithDefaultProgram(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void QtPlanDesktop::ShowInFolder(const QString& file) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, kDBusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}

void QtPlanDesktop::SetClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

QString QtPlanDesktop::ClipboardText() const {
    return QApplication::clipboard()->text();
}
