// Telling plan files from the others among dropped files.
#include "app/FileDropLink.h"

#include <QFileInfo>

void DeliverDroppedFiles(FileDropLink& link, const QStringList& files, QPoint at) {
    for (const QString& file : files) {
        if (QFileInfo(file).suffix().compare(QLatin1String("skw"), Qt::CaseInsensitive) == 0)
            link.OpenPlanFile(file);
        else
            link.DropSoundFile(file, at);
    }
}
