// The in-memory INI store: reading text, case-insensitive hashed look-up, atomic writing.
#include "support/WideMemIniFile.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

bool isTrimmed(QChar c) {
    const char16_t u = c.unicode();
    return u <= 0x20 || (u >= 0x7F && u <= 0x9F);
}

QStringView trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// What a name or value becomes once written and read again; writes store exactly that, so
// the store never holds something its file cannot give back (a line break would split it).
QString asStored(const QString& text) {
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return trimmed(oneLine).toString();
}

QString lookupKey(const QString& name) {
    return asStored(name).toCaseFolded();
}

// Case-folded name -> position of its first occurrence. A table that grows with the
// store keeps look-ups constant-time for plans with a hundred thousand sections.
class CaselessIndex {
public:
    int find(const QString& folded) const { return m_positions.value(folded, -1); }

    void add(const QString& folded, int position) {
        if (!m_positions.contains(folded))
            m_positions.insert(folded, position);
    }

private:
    QHash<QString, int> m_positions;
};

// Ordered items with a `name`; the index is built on the first look-up, kept current by
// appends and dropped by removals.
template <class Item> class NamedList {
public:
    const std::vector<Item>& items() const { return m_items; }

    const Item* find(const QString& name) const {
        const int position = indexOf(name);
        return position < 0 ? nullptr : &m_items[position];
    }
    Item* find(const QString& name) {
        const int position = indexOf(name);
        return position < 0 ? nullptr : &m_items[position];
    }

    Item& append(Item item) {
        m_items.push_back(std::move(item));
        if (m_index)
            m_index->add(lookupKey(m_items.back().name), static_cast<int>(m_items.size() - 1));
        return m_items.back();
    }

    void removeAll(const QString& name) {
        const QString folded = lookupKey(name);
        std::erase_if(m_items, [&](const Item& item) { return lookupKey(item.name) == folded; });
        m_index.reset();
    }

    void clear() {
        m_items.clear();
        m_index.reset();
    }

private:
    int indexOf(const QString& name) const {
        // Most sections hold a handful of keys: a scan beats building a table for each.
        if (m_items.size() <= kScanLimit && !name.contains(QLatin1Char('\r')) &&
            !name.contains(QLatin1Char('\n'))) {
            const QStringView wanted = trimmed(name);
            for (size_t i = 0; i < m_items.size(); ++i)
                if (wanted.compare(m_items[i].name, Qt::CaseInsensitive) == 0)
                    return static_cast<int>(i);
            return -1;
        }
        if (!m_index) {
            m_index = std::make_unique<CaselessIndex>();
            for (size_t i = 0; i < m_items.size(); ++i)
                m_index->add(lookupKey(m_items[i].name), static_cast<int>(i));
        }
        return m_index->find(lookupKey(name));
    }

    static constexpr size_t kScanLimit = 16;
    std::vector<Item> m_items;
    mutable std::unique_ptr<CaselessIndex> m_index;
};

struct Entry {
    QString name;
    QString value;
    bool keyOnly = false;

    QString line() const { return keyOnly ? name : name + QLatin1Char('=') + value; }
};

struct Section {
    QString name;
    NamedList<Entry> entries;
};

} // namespace

struct TWideMemIniFile::Store {
    NamedList<Section> sections;

    void addLine(QStringView line, Section*& current) {
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            return;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) &&
            line.endsWith(QLatin1Char(']'))) {
            current =
                &sections.append(Section{trimmed(line.sliced(1, line.size() - 2)).toString(), {}});
            return;
        }
        if (!current)
            return;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            current->entries.append(Entry{line.toString(), QString(), true});
        else
            current->entries.append(Entry{trimmed(line.first(equals)).toString(),
                                          trimmed(line.sliced(equals + 1)).toString(), false});
    }

    // Lines end at CR, LF or CR LF.
    void parse(QStringView text) {
        sections.clear();
        if (text.startsWith(QChar(0xFEFF)))
            text = text.sliced(1);
        Section* current = nullptr;
        const qsizetype size = text.size();
        qsizetype start = 0;
        while (start < size) {
            qsizetype end = start;
            while (end < size && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
                ++end;
            addLine(trimmed(text.sliced(start, end - start)), current);
            if (end + 1 < size && text[end] == QLatin1Char('\r') &&
                text[end + 1] == QLatin1Char('\n'))
                ++end;
            start = end + 1;
        }
    }
};

TWideMemIniFile::TWideMemIniFile(const QString& fileName)
    : TWideCustomIniFile(fileName), m_store(std::make_unique<Store>()) {
    if (fileName.isEmpty() || !QFile::exists(fileName))
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot read \"%1\": %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(QStringLiteral("Cannot read \"%1\": %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    m_store->parse(QString::fromUtf8(bytes));
}

TWideMemIniFile::~TWideMemIniFile() = default;

void TWideMemIniFile::SetText(const QString& text) {
    m_store->parse(text);
}

QString TWideMemIniFile::Text() const {
    QString text;
    for (const Section& section : m_store->sections.items()) {
        text += QLatin1Char('[') + section.name + QLatin1String("]\n");
        for (const Entry& entry : section.entries.items())
            text += entry.line() + QLatin1Char('\n');
    }
    return text;
}

QString TWideMemIniFile::ReadString(const QString& section, const QString& key,
                                    const QString& def) const {
    const Section* found = m_store->sections.find(section);
    const Entry* entry = found ? found->entries.find(key) : nullptr;
    return entry ? entry->value : def;
}

void TWideMemIniFile::WriteString(const QString& section, const QString& key,
                                  const QString& value) {
    Section* found = m_store->sections.find(section);
    if (!found)
        found = &m_store->sections.append(Section{asStored(section), {}});
    if (Entry* entry = found->entries.find(key)) {
        entry->value = asStored(value);
        entry->keyOnly = false;
    } else {
        found->entries.append(Entry{asStored(key), asStored(value), false});
    }
}

QStringList TWideMemIniFile::ReadSections() const {
    QStringList names;
    for (const Section& section : m_store->sections.items())
        names.append(section.name);
    return names;
}

QStringList TWideMemIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* found = m_store->sections.find(section))
        for (const Entry& entry : found->entries.items())
            keys.append(entry.name);
    return keys;
}

QStringList TWideMemIniFile::ReadSectionValues(const QString& section) const {
    QStringList lines;
    if (const Section* found = m_store->sections.find(section))
        for (const Entry& entry : found->entries.items())
            lines.append(entry.line());
    return lines;
}

void TWideMemIniFile::EraseSection(const QString& section) {
    m_store->sections.removeAll(section);
}

void TWideMemIniFile::DeleteKey(const QString& section, const QString& key) {
    if (Section* found = m_store->sections.find(section))
        found->entries.removeAll(key);
}

void TWideMemIniFile::UpdateFile() {
    if (FileName().isEmpty())
        throw std::runtime_error("Cannot write the settings store: it has no file name");
    const QByteArray bytes = Text().toUtf8();
    QSaveFile file(FileName());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write \"%1\": %2")
                                     .arg(FileName(), file.errorString())
                                     .toStdString());
}

bool TWideMemIniFile::SectionExists(const QString& section) const {
    return m_store->sections.find(section) != nullptr;
}

bool TWideMemIniFile::ValueExists(const QString& section, const QString& key) const {
    const Section* found = m_store->sections.find(section);
    return found && found->entries.find(key);
}
