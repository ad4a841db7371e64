// What the window does with the files dropped on it.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

// The program implements it (WindowFileDrops); tests record. UI thread only.
class FileDropLink {
public:
    virtual ~FileDropLink() = default;

    // A plan file: it becomes the plan, as the open command opens it.
    virtual void OpenPlanFile(const QString& name) = 0;
    // Any other file, dropped at a point of the window's client area.
    virtual void DropSoundFile(const QString& name, QPoint at) = 0;
};

// Each file in the order given: a ".skw" file (in any case) opens as the plan, any other goes
// where it was dropped.
void DeliverDroppedFiles(FileDropLink& link, const QStringList& files, QPoint at);
