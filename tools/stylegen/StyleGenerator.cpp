// Draws the Default style's bitmaps: the room's cell and segment pictures, the ruler's plain
// and numbered cells, and the handout's logos. Usage: gbx_stylegen <style folder>
#include "HandoutLogos.h"
#include "controls/BuiltInDrawings.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

bool saveBitmap(const QString& path, const QImage& image) {
    if (image.save(path, "BMP"))
        return true;
    std::fprintf(stderr, "gbx_stylegen: cannot write %s\n", qPrintable(path));
    return false;
}

bool drawBitmap(const QString& path, const std::function<void(QPainter&)>& draw) {
    QImage image(kCellSize, kCellSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter);
    }
    return saveBitmap(path, image);
}

} // namespace

int main(int argc, char** argv) {
    // The logos' names are drawn with the system's fonts, which need an application; a build has
    // no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gbx_stylegen <style folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "gbx_stylegen: cannot make %s\n", argv[1]);
        return 1;
    }
    const bool ok =
        drawBitmap(folder + "Room.bmp", [](QPainter& p) { DrawPlainCell(p, 0, 0, false); }) &&
        drawBitmap(folder + "Room_Alt.bmp", [](QPainter& p) { DrawPlainCell(p, 0, 0, true); }) &&
        drawBitmap(folder + "Ruler.bmp",
                   [](QPainter& p) { DrawRulerCell(p, 0, 0, false, kRulerTickColour); }) &&
        drawBitmap(folder + "Ruler_Alt.bmp",
                   [](QPainter& p) { DrawRulerCell(p, 0, 0, true, kRulerTickColour); }) &&
        saveBitmap(folder + "Glorinbax S.bmp", ProgramSign()) &&
        saveBitmap(folder + "Glorinbax.bmp", ProgramNameLogo()) &&
        saveBitmap(folder + "Tessmor Brand.bmp", MakerBrand());
    return ok ? 0 : 1;
}
