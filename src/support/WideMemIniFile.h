// The in-memory INI store behind every settings-like file (UTF-8 on disk).
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <memory>
#include <vector>

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
    virtual QStringList ReadSections() const = 0;
    virtual QStringList ReadSection(const QString& section) const = 0;       // keys
    virtual QStringList ReadSectionValues(const QString& section) const = 0; // name=value lines
    virtual void EraseSection(const QString& section) = 0;
    virtual void DeleteKey(const QString& section, const QString& key) = 0;
    // Writes the store to its file; throws std::runtime_error when that fails.
    virtual void UpdateFile() = 0;

    bool SectionExists(const QString& section) const;
    virtual bool ValueExists(const QString& section, const QString& key) const;

    // "0x1F" reads as 31; a value that does not convert gives the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    int64_t ReadInt64(const QString& section, const QString& key, int64_t def) const;
    void WriteInt64(const QString& section, const QString& key, int64_t value);
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    void WriteBool(const QString& section, const QString& key, bool value);
    // Floats use "." whatever the locale.
    double ReadFloat(const QString& section, const QString& key, double def) const;
    void WriteFloat(const QString& section, const QString& key, double value);
    QDate ReadDate(const QString& section, const QString& key, const QDate& def) const;
    void WriteDate(const QString& section, const QString& key, const QDate& value);
    QTime ReadTime(const QString& section, const QString& key, const QTime& def) const;
    void WriteTime(const QString& section, const QString& key, const QTime& value);
    QDateTime ReadDateTime(const QString& section, const QString& key,
                           const QDateTime& def) const;
    void WriteDateTime(const QString& section, const QString& key, const QDateTime& value);

private:
    QString m_fileName;
};

// Whole file in memory; look-ups ignore case, first occurrence wins, order is kept.
class TWideMemIniFile : public TWideCustomIniFile {
public:
    // Reads the file when the name is not empty and the file exists; else starts empty.
    explicit TWideMemIniFile(const QString& fileName);
    ~TWideMemIniFile() override;

    // Replaces the contents with the lines of a text, as if read from a file.
    void SetText(const QString& text);
    // The file's text as UpdateFile writes it.
    QString Text() const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& def) const override;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    QStringList ReadSections() const override;
    QStringList ReadSection(const QString& section) const override;
    QStringList ReadSectionValues(const QString& section) const override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& key) override;
    void UpdateFile() override;
    bool ValueExists(const QString& section, const QString& key) const override;

private:
    struct Store;
    std::unique_ptr<Store> m_store;
};
