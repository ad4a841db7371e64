// Byte layout of binary plan values.
#include "planfile/BinaryRecords.h"

#include "planfile/Extended80.h"
#include "planfile/Windows1252.h"

#include <algorithm>

void RecordWriter::Raw(uint64_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i)
        m_bytes.append(static_cast<char>(value >> (8 * i)));
}

void RecordWriter::Tag(plantag::Tag tag) {
    Raw(tag, 2);
}

void RecordWriter::Int32(plantag::Tag tag, int32_t value) {
    Tag(tag);
    Raw(static_cast<uint32_t>(value), 4);
}

void RecordWriter::Int64(plantag::Tag tag, int64_t value) {
    Tag(tag);
    Raw(static_cast<uint64_t>(value), 8);
}

void RecordWriter::Bool(plantag::Tag tag, bool value) {
    Tag(tag);
    m_bytes.append(value ? '\x01' : '\x00');
}

void RecordWriter::Ext(plantag::Tag tag, long double value) {
    Tag(tag);
    const Extended80Bytes bytes = EncodeExtended80(value);
    m_bytes.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool RecordWriter::Text(plantag::Tag tag, QStringView text) {
    QByteArray encoded = ToWindows1252(text);
    const bool cut = encoded.size() > kMaxTextBytes;
    if (cut)
        encoded.truncate(kMaxTextBytes);
    Tag(tag);
    Raw(static_cast<uint64_t>(encoded.size()), 2);
    m_bytes.append(encoded);
    return cut;
}

uint64_t RecordReader::Raw(int byteCount) {
    uint64_t value = 0;
    if (Remain(byteCount)) {
        for (int i = byteCount - 1; i >= 0; --i)
            value = (value << 8) | static_cast<uint8_t>(m_bytes[m_offset + i]);
    }
    m_offset += byteCount;
    return value;
}

uint16_t RecordReader::Tag() {
    if (!Remain(2)) {
        m_offset += 2;
        return plantag::SectionEOF;
    }
    return static_cast<uint16_t>(Raw(2));
}

int32_t RecordReader::Int32() {
    return static_cast<int32_t>(static_cast<uint32_t>(Raw(4)));
}

int64_t RecordReader::Int64() {
    return static_cast<int64_t>(Raw(8));
}

bool RecordReader::Bool() {
    const bool value = Remain(1) && m_bytes[m_offset] == '\x01';
    m_offset += 1;
    return value;
}

long double RecordReader::Ext() {
    Extended80Bytes bytes{};
    if (Remain(10)) {
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(m_bytes[m_offset + static_cast<qsizetype>(i)]);
    }
    m_offset += 10;
    return DecodeExtended80(bytes);
}

QString RecordReader::Text() {
    const auto count = static_cast<qsizetype>(Raw(2));
    const qsizetype available = std::clamp<qsizetype>(m_bytes.size() - m_offset, 0, count);
    QString text =
        FromWindows1252(m_bytes.constData() + std::min(m_offset, m_bytes.size()), available);
    m_offset += count;
    return text;
}
