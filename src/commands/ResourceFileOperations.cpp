// Operations on a piece's own sound file.
#include "commands/ResourceFileOperations.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "commands/SoundFileCommands.h"
#include "commands/SoundInfo.h"
#include "model/Piece.h"
#include "model/Resources.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kTextDefaultSuffix = 2;
constexpr int kTextChooseEditor = 3;
constexpr int kTextProgramFilter = 45;

// Where the editor's dialog starts when it found none before.
const QString kProgramsFolder = QStringLiteral("/usr/bin");

constexpr SettingKey kEditorFolder = Setting("Main", "EditorialProgramFolder");

QString fileOf(const TPiece* piece) {
    const TRes* resource = OwnResource(piece);
    return resource ? resource->FullName : QString();
}

} // namespace

const TRes* OwnResource(const TPiece* piece) {
    return piece ? piece->Resource : nullptr;
}

void ResourceFileOperations::AddTo(CommandTable& table, std::function<const TPiece*()> piece,
                                   int infoCaption) {
    table.Add(cmd::kEditSoundFile, [this, piece] { Edit(piece()); });
    table.Add(cmd::kOpenSoundFile, [this, piece] { OpenWithDefault(piece()); });
    table.Add(cmd::kOpenSoundFileWith, [this, piece] { OpenWith(piece()); });
    table.Add(cmd::kShowSoundFileInFolder, [this, piece] { ShowInFolder(piece()); });
    table.Add(cmd::kCopySoundFileName, [this, piece] { CopyName(piece()); });
    table.Add(cmd::kSoundFileInfo, [this, piece, infoCaption] { ShowInfo(piece(), infoCaption); });
    table.Add(cmd::kShowSoundFileProperties, [this, piece] { ShowProperties(piece()); });
}

void ResourceFileOperations::Edit(const TPiece* piece) {
    const QString file = fileOf(piece);
    if (file.isEmpty())
        return;
    if (m_links.editorialProgram.isEmpty() && !ChooseEditorialProgram())
        return;
    if (!m_links.desktop.StartProgram(m_links.editorialProgram, {file}))
        Report(m_links.editorialProgram, file, true);
}

void ResourceFileOperations::OpenWithDefault(const TPiece* piece) {
    const QString file = fileOf(piece);
    if (!file.isEmpty() && !m_links.desktop.OpenWithDefaultProgram(file))
        Report(file, QString(), true);
}

void ResourceFileOperations::OpenWith(const TPiece* piece) {
    const QString file = fileOf(piece);
    if (file.isEmpty())
        return;
    const DialogState state(m_links.host);
    m_links.dialogs.ShowOpenWith(file);
}

void ResourceFileOperations::ShowInFolder(const TPiece* piece) {
    const QString file = fileOf(piece);
    if (!file.isEmpty())
        m_links.desktop.ShowInFolder(file);
}

void ResourceFileOperations::CopyName(const TPiece* piece) {
    const QString file = fileOf(piece);
    if (!file.isEmpty())
        m_links.desktop.SetClipboardText(file);
}

void ResourceFileOperations::ShowProperties(const TPiece* piece) {
    const QString file = fileOf(piece);
    if (file.isEmpty())
        return;
    const DialogState state(m_links.host);
    m_links.dialogs.ShowProperties(file);
}

void ResourceFileOperations::ShowInfo(const TPiece* piece, int caption) {
    const TRes* resource = OwnResource(piece);
    if (!resource)
        return;
    const DialogState state(m_links.host);
    m_links.dialogs.ShowInformation(Text(caption), ResourceInfoText(*resource));
}

bool ResourceFileOperations::ChooseEditorialProgram() {
    QString folder = ReadSettingText(m_links.settings, kEditorFolder);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = kProgramsFolder;
    QString chosen;
    {
        const DialogState state(m_links.host);
        chosen = m_links.dialogs.AskOpenFile(FileDialogSpec{
            Text(kTextChooseEditor), Text(kTextProgramFilter), Text(kTextDefaultSuffix), folder});
    }
    if (chosen.isEmpty())
        return false;
    m_links.editorialProgram = chosen;
    WriteSettingText(m_links.settings, kEditorFolder, QFileInfo(chosen).absolutePath());
    return true;
}
