// Loading the ruler font file into the application's fonts.
#include "controls/RulerFont.h"

#include "support/PathText.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

QString RulerFontFamily(const QString& fontFile, const QString& programFolder) {
    const QString path = InProgramFolder(ToLinuxSeparators(fontFile), programFolder);
    const int id = !QFileInfo::exists(path) ? -1 : QFontDatabase::addApplicationFont(path);
    const QStringList families =
        id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                              : families.first();
}
