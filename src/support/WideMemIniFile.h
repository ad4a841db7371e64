// The in-memory INI store behind every settings-like file (UTF-8 on disk).
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <functional>
#include <memory>

// The typed reads' conversions of a stored value, for readers that hold it already: an empty
// value and one that does not convert give the default.
int IniInteger(QStringView value, int def);
int64_t IniInt64(QStringView value, int64_t def);
double IniFloat(QStringView value, double def);

// Typed access over string reads and writes; subclasses decide where the strings live.
// Not thread-safe: one owner thread per store.
class TWideCustomIniFile {
public:
    explicit TWideCustomIniFile(QString fileName) : m_fileName(std::move(fileName)) {}
    virtual ~TWideCustomIniFile() = default;

    const QString& FileName() const { return m_fileName; }

    virtual QString ReadString(const QString& section, const QString& key,
                               const QString& def) const = 0;
    virtual void WriteString(const QString& section, const QString& key, const QString& value) = 0;
    // Every section name in order, repeated names included.
    virtual QStringList ReadSections() const = 0;
    // The same one at a time, for readers that walk a long file once.
    virtual qsizetype SectionCount() const = 0;
    virtual QString SectionName(qsizetype position) const = 0;
    // Keys of the first section of that name, in order (a key-only line counts as a key).
    virtual QStringList ReadSection(const QString& section) const = 0;
    // The first section's lines: "name=value", or the bare key of a key-only line.
    virtual QStringList ReadSectionValues(const QString& section) const = 0;
    // The first section's lines in order, as views of the key and the value (empty for a
    // key-only line) that live until the store changes: one look-up for a whole section.
    using LineVisitor = std::function<void(QStringView key, QStringView value)>;
    virtual void ForEachLine(const QString& section, const LineVisitor& visit) const = 0;
    // Removes every section of that name.
    virtual void EraseSection(const QString& section) = 0;
    // Removes every line of that key from the first section of that name.
    virtual void DeleteKey(const QString& section, const QString& key) = 0;
    // Writes the store to its file; throws std::runtime_error when that fails.
    virtual void UpdateFile() = 0;

    virtual bool SectionExists(const QString& section) const = 0;
    virtual bool ValueExists(const QString& section, const QString& key) const = 0;

    // "0x1F" reads as 31; a value that does not convert gives the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    int64_t ReadInt64(const QString& section, const QString& key, int64_t def) const;
    void WriteInt64(const QString& section, const QString& key, int64_t value);
    // True for any integer other than 0; written as "1" or "0".
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    void WriteBool(const QString& section, const QString& key, bool value);
    // Floats use "." whatever the locale; a lone "," is read as the decimal point too, as
    // older files may hold it. Non-finite values read as the default.
    double ReadFloat(const QString& section, const QString& key, double def) const;
    void WriteFloat(const QString& section, const QString& key, double value);
    // ISO 8601 text: "2024-03-01", "13:05:09" (".250" when there are milliseconds),
    // "2024-03-01T13:05:09" (local time; "Z" or an offset when the value carries one).
    QDate ReadDate(const QString& section, const QString& key, const QDate& def) const;
    void WriteDate(const QString& section, const QString& key, const QDate& value);
    QTime ReadTime(const QString& section, const QString& key, const QTime& def) const;
    void WriteTime(const QString& section, const QString& key, const QTime& value);
    QDateTime ReadDateTime(const QString& section, const QString& key, const QDateTime& def) const;
    void WriteDateTime(const QString& section, const QString& key, const QDateTime& value);

private:
    QString m_fileName;
};

// Whole file in memory; look-ups ignore case, first occurrence wins, order is kept.
// Names and values are stored as a re-read of the written file would give them: trimmed,
// with line breaks turned into blanks.
class TWideMemIniFile : public TWideCustomIniFile {
public:
    // Reads the file when the name is not empty and the file exists; else starts empty.
    // Throws std::runtime_error when the file exists but cannot be read, so that a later
    // UpdateFile never replaces a file it did not see.
    explicit TWideMemIniFile(const QString& fileName);
    ~TWideMemIniFile() override;

    // Replaces the contents with the lines of a text, as if read from a file.
    void SetText(const QString& text);
    // The file's text as UpdateFile writes it: "[name]" and the lines, each ended by "\n".
    QString Text() const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& def) const override;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    QStringList ReadSections() const override;
    qsizetype SectionCount() const override;
    QString SectionName(qsizetype position) const override;
    QStringList ReadSection(const QString& section) const override;
    QStringList ReadSectionValues(const QString& section) const override;
    void ForEachLine(const QString& section, const LineVisitor& visit) const override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& key) override;
    // Writes a temporary file beside the target and renames it into place, so the target
    // holds either its old or its new text, never a part.
    void UpdateFile() override;
    bool SectionExists(const QString& section) const override;
    bool ValueExists(const QString& section, const QString& key) const override;

private:
    struct Store;
    std::unique_ptr<Store> m_store;
};
