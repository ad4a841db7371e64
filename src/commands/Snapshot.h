// Saving the window's picture under the first free snapshot name.
#pragma once

#include <QImage>
#include <QString>

// The snapshot file itself, else the same name with "_2" .. "_999" before the extension,
// whichever is free first; the one with 999 when all are taken.
QString FreeSnapshotName(const QString& snapshotFile);

// Saves the image as a bitmap file under the first free name, making its folder first. The
// name written, or empty when it could not be written.
QString SaveSnapshot(const QImage& image, const QString& snapshotFile);
