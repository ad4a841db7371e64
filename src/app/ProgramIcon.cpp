#include "app/ProgramIcon.h"

#include <QDir>
#include <QFileInfo>

QIcon ProgramIcon(const QString& programFolder) {
    QIcon drawn;
    const QDir hicolor(programFolder + QStringLiteral("icons/hicolor"));
    for (const QFileInfo& size : hicolor.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = size.filePath() + QStringLiteral("/apps/glorinbax.png");
        if (QFileInfo::exists(file))
            drawn.addFile(file);
    }
    return QIcon::fromTheme(QStringLiteral("glorinbax"), drawn);
}
