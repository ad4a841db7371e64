// Style bitmaps and menu icons by name.
#include "controls/NamedImages.h"

#include <QFileInfo>

namespace {

QStringList withAltVariants(const QStringList& names) {
    QStringList all;
    for (const QString& name : names) {
        all.append(name);
        if (name == QLatin1String("Room.bmp") || name.contains(QLatin1String("Ball")))
            all.append(QString(name).insert(name.size() - 4, QLatin1String("_Alt")));
    }
    return all;
}

} // namespace

const QStringList& ControlBitmapNames() {
    static const QStringList names =
        withAltVariants({"Room.bmp", "Ball.bmp", "Ball_Mask.bmp", "Striked.bmp", "Striked_Alt.bmp",
                         "Lane.bmp", "Lane_Ball.bmp", "Lane_Ball_Mask.bmp", "Lane_Strike_Gray.bmp",
                         "Ruler.bmp", "Ruler_Alt.bmp", "Watch.bmp", "Watch_Digits.bmp",
                         "Carrier.bmp", "Carrier_Alt.bmp", "Carrier_Down.bmp"});
    return names;
}

const QStringList& MenuIconNames() {
    static const QStringList names = {
        "Open.bmp",        "Keep.bmp",       "Keep As.bmp",  "Keep a Copy.bmp", "Cut.bmp",
        "Copy.bmp",        "Paste.bmp",      "Info.bmp",     "Add.bmp",         "Reset.bmp",
        "Full Screen.bmp", "Screenshot.bmp", "Browse.bmp",   "Amend.bmp",       "Handout.bmp",
        "Exit.bmp",        "Maximize.bmp",   "Minimize.bmp", "Restore.bmp",     "Run.bmp",
        "Kill.bmp",        "Add File.bmp",   "Reload.bmp",   "Clear.bmp",       "Solo.bmp",
        "Shut Up.bmp",     "Roll.bmp",       "Up.bmp",       "Down.bmp",        "Left.bmp",
        "Right.bmp",       "Random.bmp",     "Color.bmp",    "Piece.bmp",       "New.bmp",
        "Car.bmp",         "Pan.bmp",        "Tick.bmp",     "Start.bmp",       "End.bmp",
        "Flag.bmp",        "Ticked.bmp",     "Unticked.bmp", "Hide.bmp",        "Perpetuate.bmp"};
    return names;
}

QString MenuIconFolder(const QString& styleFolder, int menuIconSize, int systemIconHeight) {
    const QString twelve = styleFolder + QStringLiteral("12 px/");
    switch (menuIconSize) {
    case 0:
        return {};
    case 12:
        return twelve;
    case 16:
        return styleFolder;
    default:
        return systemIconHeight < 15 ? twelve : styleFolder;
    }
}

void NamedImages::Load(const QString& folder) {
    m_images.clear();
    if (folder.isEmpty())
        return;
    for (const QString& name : m_names) {
        const QString path = folder + name;
        QImage image;
        if (QFileInfo::exists(path) && image.load(path))
            m_images.insert(name, image);
    }
}

const QImage& NamedImages::Image(const QString& name) const {
    static const QImage none;
    const auto found = m_images.constFind(name);
    return found == m_images.constEnd() ? none : *found;
}
