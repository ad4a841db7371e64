// Scratch data folders with made-up language files and settings for the parlance tests.
#pragma once

#include "PrintQString.h"
#include "common/TempDir.h"
#include "support/FaultLog.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QFile>
#include <QStringList>

class ParlanceFixture {
public:
    ParlanceFixture() {
        FreeParlance();
        QDir().mkpath(dir.path() + "parlance");
        faultlog::SetFolder(dir.path());
    }
    ~ParlanceFixture() { FreeParlance(); }

    // Writes "parlance/<name>" with the lines joined by the given break.
    void write(const QString& name, const QStringList& lines, const QString& lineBreak = "\n") {
        QFile file(dir.path() + "parlance/" + name);
        file.open(QIODevice::WriteOnly);
        file.write(lines.join(lineBreak).toUtf8());
    }

    // Loads with settings made of the given [Main] lines.
    void load(const QString& mainLines, const QLocale& locale = QLocale(QLocale::English)) {
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\n" + mainLines);
        LoadParlance(settings, dir.path(), locale);
    }

    QString faultLog() const {
        QFile file(faultlog::FilePath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    TempDir dir;
};

// n lines "prefix1", "prefix2", ...
inline QStringList numberedLines(const QString& prefix, int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << prefix + QString::number(i);
    return lines;
}
