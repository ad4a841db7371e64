// The in-memory INI store: reading text, case-insensitive hashed look-up, atomic writing.
#include "support/WideMemIniFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <span>
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

// A name as look-ups take it: as it would be stored.
QStringView wantedName(const QString& name, QString& storage) {
    if (!name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char('\n')))
        return trimmed(name);
    storage = asStored(name);
    return storage;
}

bool sameName(QStringView a, QStringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// A hash that ignores case as the comparison above does, one code point at a time.
size_t caselessHash(QStringView name) {
    size_t hash = 1469598103934665603ull;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i].unicode(), name[i + 1].unicode());
            ++i;
        }
        c = c < 0x80 ? (c >= 'A' && c <= 'Z' ? c + 32 : c) : QChar::toCaseFolded(c);
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

// Where a name or value lies in the store's characters. A name or value is cut at 2^31 - 1
// characters, which keeps the lists of a million lines small.
struct Slice {
    qsizetype at = 0;
    int32_t size = 0;
};

Slice sliceAt(qsizetype at, qsizetype size) {
    return Slice{at, static_cast<int32_t>(std::min<qsizetype>(size, INT32_MAX))};
}

class Entry {
public:
    Entry(Slice name, std::optional<Slice> value)
        : m_nameAt(name.at), m_valueAt(value ? value->at : 0), m_nameSize(name.size),
          m_valueSize(value ? value->size : kKeyOnly) {}

    Slice name() const { return Slice{m_nameAt, m_nameSize}; }
    Slice value() const { return Slice{m_valueAt, keyOnly() ? 0 : m_valueSize}; }
    bool keyOnly() const { return m_valueSize == kKeyOnly; }
    void setValue(Slice value) {
        m_valueAt = value.at;
        m_valueSize = value.size;
    }

private:
    static constexpr int32_t kKeyOnly = -1;
    qsizetype m_nameAt;
    qsizetype m_valueAt;
    int32_t m_nameSize;
    int32_t m_valueSize;
};

// Its entries lie together in the store's one list, so that a million sections cost no list
// each.
struct Section {
    Section(Slice name, size_t first) : nameAt(name.at), nameSize(name.size), first(first) {}
    Slice name() const { return Slice{nameAt, nameSize}; }

    qsizetype nameAt;
    int32_t nameSize;
    uint32_t count = 0;
    size_t first;
};

// Name -> position of its first occurrence, for lists too long to scan: open addressing over
// positions, so that a hundred thousand sections cost no allocation each.
class CaselessIndex {
public:
    template <class NameAt> void build(size_t count, NameAt nameAt) {
        size_t capacity = 16;
        while (capacity < 2 * count)
            capacity *= 2;
        m_slots.assign(capacity, 0);
        m_used = 0;
        for (size_t i = 0; i < count; ++i)
            add(nameAt(i), static_cast<int>(i), nameAt);
    }

    template <class NameAt> void add(QStringView name, int position, NameAt nameAt) {
        if (2 * (m_used + 1) > m_slots.size()) {
            build(static_cast<size_t>(position) + 1, nameAt);
            return;
        }
        for (size_t slot = first(name);; slot = (slot + 1) & (m_slots.size() - 1)) {
            if (m_slots[slot] == 0) {
                m_slots[slot] = position + 1;
                ++m_used;
                return;
            }
            if (sameName(nameAt(static_cast<size_t>(m_slots[slot] - 1)), name))
                return; // the first occurrence wins
        }
    }

    template <class NameAt> int find(QStringView name, NameAt nameAt) const {
        for (size_t slot = first(name);; slot = (slot + 1) & (m_slots.size() - 1)) {
            if (m_slots[slot] == 0)
                return -1;
            if (sameName(nameAt(static_cast<size_t>(m_slots[slot] - 1)), name))
                return m_slots[slot] - 1;
        }
    }

private:
    size_t first(QStringView name) const { return caselessHash(name) & (m_slots.size() - 1); }

    std::vector<int> m_slots; // position + 1; 0 when free
    size_t m_used = 0;
};

// The sections and, for long ones, their entries are found through an index built on the first
// look-up, kept current by appends and dropped by removals.
constexpr size_t kScanLimit = 16;

} // namespace

// Every name and value is a slice of one string: the text read, then what writes append.
struct TWideMemIniFile::Store {
    QString chars;
    std::vector<Section> sections;
    std::vector<Entry> entries; // by section, in order
    mutable std::unique_ptr<CaselessIndex> sectionIndex;

    std::span<const Entry> entriesOf(const Section& section) const {
        return std::span(entries).subspan(section.first, section.count);
    }
    std::span<Entry> entriesOf(const Section& section) {
        return std::span(entries).subspan(section.first, section.count);
    }

    // Keeps the sections and the entries that the predicates keep, in order.
    template <class KeepSection, class KeepEntry>
    void keepOnly(KeepSection keepSection, KeepEntry keepEntry) {
        std::vector<Section> keptSections;
        std::vector<Entry> keptEntries;
        for (const Section& section : sections) {
            if (!keepSection(section))
                continue;
            Section kept(section.name(), keptEntries.size());
            for (const Entry& entry : entriesOf(section)) {
                if (keepEntry(section, entry)) {
                    keptEntries.push_back(entry);
                    ++kept.count;
                }
            }
            keptSections.push_back(kept);
        }
        sections = std::move(keptSections);
        entries = std::move(keptEntries);
        sectionIndex.reset();
    }

    // Appends to the section's entries; the later sections' entries move up.
    void addEntry(Section& section, const Entry& entry) {
        const size_t at = section.first + section.count;
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), entry);
        ++section.count;
        for (Section* later = &section + 1; later != sections.data() + sections.size(); ++later)
            ++later->first;
    }

    QStringView view(Slice slice) const { return QStringView(chars).sliced(slice.at, slice.size); }
    QString string(Slice slice) const { return view(slice).toString(); }

    Slice append(const QString& text) {
        const Slice slice = sliceAt(chars.size(), text.size());
        chars += text;
        return slice;
    }

    QString line(const Entry& entry) const {
        return entry.keyOnly() ? string(entry.name())
                               : string(entry.name()) + QLatin1Char('=') + string(entry.value());
    }

    auto sectionNameAt() const {
        return [this](size_t i) { return view(sections[i].name()); };
    }

    int sectionIndexOf(const QString& name) const {
        QString storage;
        const QStringView wanted = wantedName(name, storage);
        if (sections.size() <= kScanLimit) {
            for (size_t i = 0; i < sections.size(); ++i)
                if (sameName(view(sections[i].name()), wanted))
                    return static_cast<int>(i);
            return -1;
        }
        if (!sectionIndex) {
            sectionIndex = std::make_unique<CaselessIndex>();
            sectionIndex->build(sections.size(), sectionNameAt());
        }
        return sectionIndex->find(wanted, sectionNameAt());
    }

    const Section* findSection(const QString& name) const {
        const int position = sectionIndexOf(name);
        return position < 0 ? nullptr : &sections[position];
    }
    Section* findSection(const QString& name) {
        const int position = sectionIndexOf(name);
        return position < 0 ? nullptr : &sections[position];
    }

    Section& appendSection(Slice name) {
        sections.emplace_back(name, entries.size());
        if (sectionIndex)
            sectionIndex->add(view(name), static_cast<int>(sections.size() - 1), sectionNameAt());
        return sections.back();
    }

    // Sections hold a handful of keys: a scan, first occurrence first.
    const Entry* findEntry(const Section& section, const QString& key) const {
        QString storage;
        const QStringView wanted = wantedName(key, storage);
        for (const Entry& entry : entriesOf(section))
            if (sameName(view(entry.name()), wanted))
                return &entry;
        return nullptr;
    }
    Entry* findEntry(const Section& section, const QString& key) {
        return const_cast<Entry*>(std::as_const(*this).findEntry(section, key));
    }

    bool named(Slice slice, const QString& name) const {
        QString storage;
        return sameName(view(slice), wantedName(name, storage));
    }

    void addLine(QStringView line, Section*& current) {
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            return;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) &&
            line.endsWith(QLatin1Char(']'))) {
            current = &appendSection(sliceOf(trimmed(line.sliced(1, line.size() - 2))));
            return;
        }
        if (!current)
            return;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        // Only the last section grows while the text is read.
        if (equals < 0)
            entries.emplace_back(sliceOf(line), std::nullopt);
        else
            entries.emplace_back(sliceOf(trimmed(line.first(equals))),
                                 sliceOf(trimmed(line.sliced(equals + 1))));
        ++current->count;
    }

    Slice sliceOf(QStringView part) const {
        return sliceAt(part.data() - chars.constData(), part.size());
    }

    // Lines end at CR, LF or CR LF.
    void parse(QString text) {
        sections.clear();
        entries.clear();
        sectionIndex.reset();
        chars = std::move(text);
        QStringView all(chars);
        if (all.startsWith(QChar(0xFEFF)))
            all = all.sliced(1);
        // A list grown by doubling would hold its old and new copies at once: reserve for
        // every line instead, which costs only the pages that are used.
        const auto lines = static_cast<size_t>(all.count(QLatin1Char('\n')) + 1);
        sections.reserve(lines);
        entries.reserve(lines);
        Section* current = nullptr;
        const qsizetype size = all.size();
        qsizetype start = 0;
        while (start < size) {
            qsizetype end = start;
            while (end < size && all[end] != QLatin1Char('\r') && all[end] != QLatin1Char('\n'))
                ++end;
            addLine(trimmed(all.sliced(start, end - start)), current);
            if (end + 1 < size && all[end] == QLatin1Char('\r') &&
                all[end + 1] == QLatin1Char('\n'))
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
    for (const Section& section : m_store->sections) {
        text += QLatin1Char('[');
        text += m_store->view(section.name());
        text += QLatin1String("]\n");
        for (const Entry& entry : m_store->entriesOf(section))
            text += m_store->line(entry) + QLatin1Char('\n');
    }
    return text;
}

QString TWideMemIniFile::ReadString(const QString& section, const QString& key,
                                    const QString& def) const {
    const Section* found = m_store->findSection(section);
    const Entry* entry = found ? m_store->findEntry(*found, key) : nullptr;
    return entry ? m_store->string(entry->value()) : def;
}

void TWideMemIniFile::WriteString(const QString& section, const QString& key,
                                  const QString& value) {
    Store& store = *m_store;
    Section* found = store.findSection(section);
    if (!found)
        found = &store.appendSection(store.append(asStored(section)));
    if (Entry* entry = store.findEntry(*found, key)) {
        entry->setValue(store.append(asStored(value)));
    } else {
        const Slice name = store.append(asStored(key));
        store.addEntry(*found, Entry(name, store.append(asStored(value))));
    }
}

QStringList TWideMemIniFile::ReadSections() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_store->sections.size()));
    for (const Section& section : m_store->sections)
        names.append(m_store->string(section.name()));
    return names;
}

qsizetype TWideMemIniFile::SectionCount() const {
    return static_cast<qsizetype>(m_store->sections.size());
}

QString TWideMemIniFile::SectionName(qsizetype position) const {
    return m_store->string(m_store->sections.at(static_cast<size_t>(position)).name());
}

QStringList TWideMemIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* found = m_store->findSection(section))
        for (const Entry& entry : m_store->entriesOf(*found))
            keys.append(m_store->string(entry.name()));
    return keys;
}

QStringList TWideMemIniFile::ReadSectionValues(const QString& section) const {
    QStringList lines;
    if (const Section* found = m_store->findSection(section))
        for (const Entry& entry : m_store->entriesOf(*found))
            lines.append(m_store->line(entry));
    return lines;
}

void TWideMemIniFile::ForEachLine(const QString& section, const LineVisitor& visit) const {
    if (const Section* found = m_store->findSection(section))
        for (const Entry& entry : m_store->entriesOf(*found))
            visit(m_store->view(entry.name()), m_store->view(entry.value()));
}

void TWideMemIniFile::EraseSection(const QString& section) {
    m_store->keepOnly([&](const Section& s) { return !m_store->named(s.name(), section); },
                      [](const Section&, const Entry&) { return true; });
}

void TWideMemIniFile::DeleteKey(const QString& section, const QString& key) {
    const Section* found = m_store->findSection(section);
    m_store->keepOnly([](const Section&) { return true; },
                      [&](const Section& s, const Entry& e) {
                          return &s != found || !m_store->named(e.name(), key);
                      });
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
    return m_store->findSection(section) != nullptr;
}

bool TWideMemIniFile::ValueExists(const QString& section, const QString& key) const {
    const Section* found = m_store->findSection(section);
    return found && m_store->findEntry(*found, key);
}
