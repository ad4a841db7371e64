// The bitmaps of a visual style, each found by its file name in the style's folder.
#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

// Every control bitmap a style may hold; room and ball pictures also come as "_Alt" variants.
const QStringList& ControlBitmapNames();
// Every menu icon a style may hold.
const QStringList& MenuIconNames();

// The folder the menu icons come from: none for size 0, the "12 px" folder of the style for 12,
// the style folder itself for 16, and for any other size the set that suits the system's small
// icons (below 15 pixels the 12-pixel set).
QString MenuIconFolder(const QString& styleFolder, int menuIconSize, int systemIconHeight);

// A set of named images. A name whose file the folder lacks gives an empty image, and the
// control that uses it draws its built-in picture instead. UI thread only.
class NamedImages {
public:
    explicit NamedImages(QStringList names) : m_names(std::move(names)) {}

    // Forgets every image, then loads each named file the folder holds; no folder, no images.
    void Load(const QString& folder);
    // The image, or an empty one.
    const QImage& Image(const QString& name) const;

private:
    QStringList m_names;
    QMap<QString, QImage> m_images;
};
