// Numbered snapshot files beside each other.
#include "commands/Snapshot.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kLastNumber = 999;

QString numbered(const QFileInfo& file, int number) {
    const QString suffix = file.suffix();
    QString name = file.completeBaseName() + '_' + QString::number(number);
    if (!suffix.isEmpty())
        name += '.' + suffix;
    return file.dir().filePath(name);
}

} // namespace

QString FreeSnapshotName(const QString& snapshotFile) {
    const QFileInfo file(snapshotFile);
    if (!file.exists())
        return snapshotFile;
    for (int number = 2; number < kLastNumber; ++number) {
        const QString name = numbered(file, number);
        if (!QFileInfo::exists(name))
            return name;
    }
    return numbered(file, kLastNumber);
}

QString SaveSnapshot(const QImage& image, const QString& snapshotFile) {
    if (!QDir().mkpath(QFileInfo(snapshotFile).absolutePath()))
        return {};
    const QString name = FreeSnapshotName(snapshotFile);
    return image.save(name, "BMP") ? name : QString();
}
