// Operations on a piece's own sound file.
#include "commands/ResourceFileOperations.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/DialogState.h"
#include "commands/EditorialProgram.h"
#include "commands/PlanDialogs.h"
#include "commands/SoundFileCommands.h"
#include "commands/SoundInfo.h"
#include "model/Piece.h"
#include "model/Resources.h"
#include "support/Report.h"
#include "texts/Parlance.h"

namespace {

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
    if (EditorialProgram(m_links.settings).isEmpty() &&
        !ChooseEditorialProgram(m_links.dialogs, m_links.host, m_links.settings))
        return;
    StartEditorialProgram(m_links.desktop, m_links.settings, {file});
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
