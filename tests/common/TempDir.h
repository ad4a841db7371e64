// A scratch folder for one test, removed with everything in it when the test ends.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
    TempDir() { m_dir.setAutoRemove(true); }
    // Absolute path with a trailing "/".
    QString path() const { return m_dir.path() + "/"; }
    QString file(const QString& name) const { return path() + name; }

private:
    QTemporaryDir m_dir;
};
