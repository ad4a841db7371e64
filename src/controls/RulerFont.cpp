// Loading the ruler font file into the application's fonts.
#include "controls/RulerFont.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

QString RulerFontFamily(const QString& fontFile, const QString& programFolder) {
    QString path = QDir::fromNativeSeparators(QString(fontFile).replace('\\', '/'));
    if (!path.isEmpty() && QDir::isRelativePath(path))
        path = programFolder + path;
    const int id = !QFileInfo::exists(path) ? -1 : QFontDatabase::addApplicationFont(path);
    const QStringList families =
        id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                              : families.first();
}
