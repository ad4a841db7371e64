// Byte strings for plan file tests: written as hex with quoted ASCII runs, shown as hex.
#pragma once

#include "model/Arrangement.h"
#include "planfile/PlanDefaults.h"
#include "planfile/PlanOperations.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <ostream>

// "47 4C \"RN\" 42" -> the bytes 47 4C 52 4E 42.
inline QByteArray Bytes(const char* text) {
    QByteArray bytes;
    const QByteArray source(text);
    for (qsizetype i = 0; i < source.size();) {
        const char c = source[i];
        if (c == '"') {
            const qsizetype end = source.indexOf('"', i + 1);
            bytes.append(source.mid(i + 1, end - i - 1));
            i = end + 1;
        } else if (QChar::fromLatin1(c).isSpace()) {
            ++i;
        } else {
            bytes.append(static_cast<char>(source.mid(i, 2).toInt(nullptr, 16)));
            i += 2;
        }
    }
    return bytes;
}

// Failure messages show bytes as hex.
struct HexView {
    QByteArray bytes;
    bool operator==(const HexView& other) const { return bytes == other.bytes; }
};
inline void PrintTo(const HexView& view, std::ostream* out) {
    *out << view.bytes.toHex(' ').toStdString();
}

// Reads a file image as loading does, into fresh lists.
inline bool ReadImage(Arrangement& arrangement, const QByteArray& image) {
    arrangement.balls.RemoveAll(false);
    arrangement.lanes.RemoveAll();
    arrangement.plan.LoadMessages.clear();
    return ReadPlanImage(arrangement, image, PlanReadContext{}) == ImageReading::Read;
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
