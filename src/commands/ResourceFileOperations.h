// What the lane and ball menus do with a piece's own sound file: edit, open, show, copy its name,
// its properties and its information.
#pragma once

#include <functional>

class CommandTable;
class TPiece;
class TRes;
struct SoundFileLinks;

// UI thread only.
class ResourceFileOperations {
public:
    explicit ResourceFileOperations(const SoundFileLinks& links) : m_links(links) {}

    // The file operations' ids in a dispatcher's table, on the piece the getter gives (none: the
    // menu's object is missing) and with the information box's caption text.
    void AddTo(CommandTable& table, std::function<const TPiece*()> piece, int infoCaption);

    // Each does nothing for a piece without a sound file of its own.
    // The editing program on the file; it is chosen first when none is set.
    void Edit(const TPiece* piece);
    void OpenWithDefault(const TPiece* piece);
    void OpenWith(const TPiece* piece);
    void ShowInFolder(const TPiece* piece);
    void CopyName(const TPiece* piece);
    void ShowProperties(const TPiece* piece);
    void ShowInfo(const TPiece* piece, int caption);

private:
    const SoundFileLinks& m_links;
};

// The piece's own sound file, or none.
const TRes* OwnResource(const TPiece* piece);
