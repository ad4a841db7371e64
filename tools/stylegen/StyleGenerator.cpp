// Draws the shipped styles' bitmaps into a program folder's interior/: every control bitmap and
// menu icon of Default, Cosmic and Veggy, and the handout's logos beside Default's; and, when a
// second folder is named, the program's icon for the desktop in a hicolor theme there.
// Usage: gbx_stylegen <interior folder> [<hicolor icon folder>]
#include "ControlBitmaps.h"
#include "HandoutLogos.h"
#include "MenuIconArt.h"
#include "StylePalette.h"
#include "controls/NamedImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <utility>

namespace {

bool saveBitmap(const QString& path, const QImage& image) {
    if (image.save(path, "BMP"))
        return true;
    std::fprintf(stderr, "gbx_stylegen: cannot write %s\n", qPrintable(path));
    return false;
}

bool makeFolder(const QString& folder) {
    if (QDir().mkpath(folder))
        return true;
    std::fprintf(stderr, "gbx_stylegen: cannot make %s\n", qPrintable(folder));
    return false;
}

bool writeStyle(const QString& interior, const StylePalette& palette) {
    const QString folder = interior + palette.name + QLatin1Char('/');
    if (!makeFolder(folder))
        return false;
    for (const NamedBitmap& bitmap : ControlBitmaps(palette))
        if (!saveBitmap(folder + bitmap.file, bitmap.image))
            return false;
    // The 16-pixel icons beside the bitmaps, the 12-pixel ones in their own folder.
    const QString small = folder + QStringLiteral("12 px/");
    if (!makeFolder(small))
        return false;
    for (const QString& file : MenuIconNames()) {
        const QString name = file.chopped(4);
        for (const auto& [size, to] : {std::pair{16, folder}, std::pair{12, small}}) {
            const QImage icon = DrawMenuIcon(name, size, palette.icons);
            if (icon.isNull()) {
                std::fprintf(stderr, "gbx_stylegen: no icon is drawn for %s\n", qPrintable(name));
                return false;
            }
            if (!saveBitmap(to + file, icon))
                return false;
        }
    }
    return true;
}

// The program's icon in the sizes desktops look for, as a hicolor theme lays them out.
bool writeApplicationIcons(const QString& hicolor) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = hicolor + QStringLiteral("/%1x%1/apps/").arg(size);
        if (!makeFolder(folder))
            return false;
        const QString path = folder + QStringLiteral("glorinbax.png");
        if (!ApplicationIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "gbx_stylegen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The logos' names are drawn with the system's fonts, which need an application; a build has
    // no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: gbx_stylegen <interior folder> [<hicolor icon folder>]\n");
        return 2;
    }
    const QString interior = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    for (const StylePalette& palette : ShippedPalettes())
        if (!writeStyle(interior, palette))
            return 1;
    const QString logos = interior + QStringLiteral("Default/");
    const bool ok = saveBitmap(logos + "Glorinbax S.bmp", ProgramSign()) &&
                    saveBitmap(logos + "Glorinbax.bmp", ProgramNameLogo()) &&
                    saveBitmap(logos + "Tessmor Brand.bmp", MakerBrand());
    return ok && (argc < 3 || writeApplicationIcons(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
}
