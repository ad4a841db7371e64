// Typed reads and writes of the settings store, over its string values.
#include "support/WideMemIniFile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace {

bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// "0x" + hexadecimal digits over the type's full unsigned range ("0xFFFFFFFF" is -1 as a
// 32-bit value, as colours are written), else a decimal number in the type's range.
template <class Int> std::optional<Int> parseInteger(QStringView text) {
    using Unsigned = std::make_unsigned_t<Int>;
    bool ok = false;
    if (text.size() > 2 &&
        (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X")))) {
        const QStringView digits = text.sliced(2);
        if (!std::all_of(digits.begin(), digits.end(), isHexDigit))
            return std::nullopt;
        const qulonglong value = digits.toULongLong(&ok, 16);
        if (!ok || value > std::numeric_limits<Unsigned>::max())
            return std::nullopt;
        return static_cast<Int>(static_cast<Unsigned>(value));
    }
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(value);
}

std::optional<double> parseFloat(QStringView stored) {
    QString text = stored.toString();
    if (!text.contains(QLatin1Char('.')) && text.count(QLatin1Char(',')) == 1)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok); // always the "C" form
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

template <class Value> std::optional<Value> validOnly(const Value& value) {
    return value.isValid() ? std::optional<Value>(value) : std::nullopt;
}

// An empty value and one that does not convert both give the default.
template <class Value, class Parse>
Value converted(QStringView text, const Value& def, Parse parse) {
    return text.isEmpty() ? def : parse(text).value_or(def);
}

// The same for a missing value.
template <class Value, class Parse>
Value readTyped(const TWideCustomIniFile& ini, const QString& section, const QString& key,
                const Value& def, Parse parse) {
    return converted(QStringView(ini.ReadString(section, key, QString())), def, parse);
}

Qt::DateFormat isoFormatFor(const QTime& time) {
    return time.msec() != 0 ? Qt::ISODateWithMs : Qt::ISODate;
}

} // namespace

int IniInteger(QStringView value, int def) {
    return converted(value, def, parseInteger<int>);
}

int64_t IniInt64(QStringView value, int64_t def) {
    return converted(value, def, parseInteger<int64_t>);
}

double IniFloat(QStringView value, double def) {
    return converted(value, def, parseFloat);
}

int TWideCustomIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    return readTyped(*this, section, key, def, parseInteger<int>);
}

void TWideCustomIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

int64_t TWideCustomIniFile::ReadInt64(const QString& section, const QString& key,
                                      int64_t def) const {
    return readTyped(*this, section, key, def, parseInteger<int64_t>);
}

void TWideCustomIniFile::WriteInt64(const QString& section, const QString& key, int64_t value) {
    WriteString(section, key, QString::number(value));
}

bool TWideCustomIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TWideCustomIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TWideCustomIniFile::ReadFloat(const QString& section, const QString& key, double def) const {
    return readTyped(*this, section, key, def, parseFloat);
}

void TWideCustomIniFile::WriteFloat(const QString& section, const QString& key, double value) {
    // Shortest text that reads back to the same double; never follows the locale.
    WriteString(section, key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

QDate TWideCustomIniFile::ReadDate(const QString& section, const QString& key,
                                   const QDate& def) const {
    return readTyped(*this, section, key, def, [](QStringView text) {
        return validOnly(QDate::fromString(text, Qt::ISODate));
    });
}

void TWideCustomIniFile::WriteDate(const QString& section, const QString& key, const QDate& value) {
    WriteString(section, key, value.toString(Qt::ISODate));
}

QTime TWideCustomIniFile::ReadTime(const QString& section, const QString& key,
                                   const QTime& def) const {
    return readTyped(*this, section, key, def, [](QStringView text) {
        return validOnly(QTime::fromString(text, Qt::ISODateWithMs));
    });
}

void TWideCustomIniFile::WriteTime(const QString& section, const QString& key, const QTime& value) {
    WriteString(section, key, value.toString(isoFormatFor(value)));
}

QDateTime TWideCustomIniFile::ReadDateTime(const QString& section, const QString& key,
                                           const QDateTime& def) const {
    return readTyped(*this, section, key, def, [](QStringView text) {
        return validOnly(QDateTime::fromString(text, Qt::ISODateWithMs));
    });
}

void TWideCustomIniFile::WriteDateTime(const QString& section, const QString& key,
                                       const QDateTime& value) {
    WriteString(section, key, value.toString(isoFormatFor(value.time())));
}
