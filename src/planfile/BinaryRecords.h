// Reading and writing the values of binary plan records: little-endian numbers, 80-bit floats
// and 16-bit counted Windows-1252 texts.
#pragma once

#include "planfile/PlanTags.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Appends records to a file image.
class RecordWriter {
public:
    explicit RecordWriter(QByteArray& bytes) : m_bytes(bytes) {}

    void Tag(plantag::Tag tag);
    void Int32(plantag::Tag tag, int32_t value);
    void Int64(plantag::Tag tag, int64_t value);
    void Bool(plantag::Tag tag, bool value);
    void Ext(plantag::Tag tag, long double value);
    // A text longer than a 16-bit count can say is cut to 65535 characters; the answer says so.
    bool Text(plantag::Tag tag, QStringView text);

    static constexpr qsizetype kMaxTextBytes = 0xFFFF;

private:
    void Raw(uint64_t value, int byteCount);

    QByteArray& m_bytes;
};

// Walks a file image. Values past its end read as 0, false or a shortened text, and the offset
// still advances by the value's full size, so the caller's loops end.
class RecordReader {
public:
    RecordReader(const QByteArray& bytes, qsizetype offset) : m_bytes(bytes), m_offset(offset) {}

    bool Remain(qsizetype count) const { return m_offset + count <= m_bytes.size(); }
    qsizetype Offset() const { return m_offset; }

    // SectionEOF when fewer than 2 bytes remain.
    uint16_t Tag();
    int32_t Int32();
    int64_t Int64();
    // True only for the byte 0x01.
    bool Bool();
    long double Ext();
    QString Text();

private:
    uint64_t Raw(int byteCount);

    const QByteArray& m_bytes;
    qsizetype m_offset;
};
