// The text readers, over the settings store.
#include "planfile/TextPlanReader.h"

#include "model/Arrangement.h"
#include "planfile/LoadMessages.h"
#include "planfile/PlanDefaults.h"
#include "planfile/PlanTags.h"
#include "support/PathText.h"
#include "support/WideMemIniFile.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace {

using namespace plantag;

const QString kMain = QStringLiteral("Main");

QString Key(Tag tag) {
    return QLatin1String(KeyOf(tag));
}

// The tags a section's keys may name.
constexpr uint16_t kTagLimit = 64;
static_assert(SrcTrack1 < kTagLimit);

// The values of one section, each key's first line, taken in one look-up of the section: a
// store may hold a million of them.
class SectionReader {
public:
    SectionReader(const TWideCustomIniFile& ini, const QString& section) {
        ini.ForEachLine(section, [this](QStringView key, QStringView value) {
            for (uint16_t tag = 0; tag < kTagLimit; ++tag) {
                const QLatin1String name(KeyOf(static_cast<Tag>(tag)));
                if (!name.isEmpty() && name.size() == key.size() && !Has(static_cast<Tag>(tag)) &&
                    key.compare(name, Qt::CaseInsensitive) == 0) {
                    m_present |= uint64_t{1} << tag;
                    m_values[tag] = value;
                    return;
                }
            }
        });
    }

    bool Has(Tag tag) const { return (m_present >> tag) & 1; }
    bool HasAny(std::initializer_list<Tag> tags) const {
        return std::any_of(tags.begin(), tags.end(), [&](Tag tag) { return Has(tag); });
    }

    QString String(Tag tag, const QString& def) const {
        return Has(tag) ? m_values[tag].toString() : def;
    }
    int32_t Integer(Tag tag, int32_t def) const {
        return Has(tag) ? IniInteger(m_values[tag], def) : def;
    }
    int64_t Int64(Tag tag, int64_t def) const {
        return Has(tag) ? IniInt64(m_values[tag], def) : def;
    }
    bool Bool(Tag tag, bool def) const { return Integer(tag, def ? 1 : 0) != 0; }
    double Float(Tag tag, double def) const {
        return Has(tag) ? IniFloat(m_values[tag], def) : def;
    }

    // A missing key gives the default text; it is set by value, which reads the same and spares
    // the evaluator for the many balls that keep every default.
    template <class Formula, class Number>
    void SetFormula(Tag tag, Formula& formula, Number def) const {
        if (Has(tag))
            formula.SetText(m_values[tag].toString().toStdString());
        else
            formula.SetValue(def);
    }
    void SetFormulaText(Tag tag, TFormula& formula, const char* def) const {
        formula.SetText(String(tag, QLatin1String(def)).toStdString());
    }

private:
    uint64_t m_present = 0;
    std::array<QStringView, kTagLimit> m_values{};
};

class TextPlanReading {
public:
    TextPlanReading(Arrangement& arrangement, const TWideCustomIniFile& ini,
                    const PlanReadContext& context)
        : m_arrangement(arrangement), m_plan(arrangement.plan), m_ini(ini), m_context(context) {}

    void ReadHeader() {
        const SectionReader main(m_ini, kMain);
        ReadPlanValues(main);
        m_arrangement.room.OffsetX = main.Integer(OffsetX, 0);
        m_arrangement.room.OffsetY = main.Integer(OffsetY, 0);
        m_arrangement.room.Point.X = main.Integer(ThePointX, 0);
        m_arrangement.room.Point.Y = main.Integer(ThePointY, 0);
        main.SetFormulaText(MasterLoudness, m_plan.MasterLoudness, "1");
        // The master piece ends every chain of inheritance, so it holds concrete values.
        TPiece& master = m_plan.Master;
        if (master.Loudness.Value() == TPiece::kLoudnessNotSet)
            master.Loudness.SetValue(0.1L);
        if (master.Pan.Value() == TPiece::kPanNotSet)
            master.Pan.SetValue(0.0L);
        if (master.ResStart.Value() == TPiece::kNotSet)
            master.ResStart.SetValue(int64_t{0});
        if (master.Life.Value() == TPiece::kNotSet)
            master.Life.SetValue(int64_t{0});
        RecomputeTimingAfterRead(m_plan);
    }

    // The header's values that edits change, the master piece among them, as they stand.
    void ReadPlanValues(const SectionReader& main) {
        main.SetFormulaText(MPH, m_plan.MPH, "120");
        main.SetFormulaText(FrameResolution, m_plan.FrameResolution, "16");
        main.SetFormulaText(Frames, m_plan.Frames, "32");
        main.SetFormulaText(ElementRate, m_plan.ElementRate, "44100");
        m_plan.Start = Elements{main.Int64(Start, 0)};
        m_plan.End = Elements{main.Int64(End, 0)};
        m_plan.Memory = main.Bool(Memory, false);
        m_plan.ResourcesFolder = main.String(ResourcesFolder, QString());

        TPiece& master = m_plan.Master;
        master.Resource = nullptr; // read again only when named
        ReadPiece(main, master);
    }

    void ReadPiece(const SectionReader& values, TPiece& piece) {
        piece.Handle = values.String(Handle, QString());
        values.SetFormula(Life, piece.Life, int64_t{TPiece::kNotSet});
        values.SetFormula(Loudness, piece.Loudness, TPiece::kLoudnessNotSet);
        values.SetFormula(Pan, piece.Pan, TPiece::kPanNotSet);
        values.SetFormula(ResStart, piece.ResStart, int64_t{TPiece::kNotSet});
        values.SetFormula(ResEnd, piece.ResEnd, int64_t{TPiece::kNotSet});
        piece.RoundRobin = values.Bool(RoundRobin, false);
        piece.SrcTrack0 = values.Integer(SrcTrack0, -1);
        piece.SrcTrack1 = values.Integer(SrcTrack1, -1);
        const QString resource = values.String(Resource, QString());
        if (!resource.isEmpty())
            piece.Resource = FindOrAddResource(resource);
        piece.ApplySourceTracks();
    }

    bool ReadBall(const QString& section) {
        const SectionReader values(m_ini, section);
        const int32_t x = values.Integer(X, 0);
        const int32_t y = values.Integer(Y, 0);
        if (!ReadBallAt(values, x, y)) {
            AddRefusedBallMessage(m_plan, x, y, section);
            return false;
        }
        return true;
    }

    TBall* ReadBallAt(const SectionReader& values, int64_t x, int64_t y) {
        const double hue = values.Float(Hue, TPiece::kNoOwnHue);
        TBall* ball = m_arrangement.balls.Add(x, y, hue, false);
        // Most balls keep every value of their lane and need no piece of their own.
        if (ball && values.HasAny({Handle, Life, Loudness, Pan, ResStart, ResEnd, RoundRobin,
                                   SrcTrack0, SrcTrack1, Resource}))
            ReadPiece(values, ball->EditPiece());
        return ball;
    }

    void ReadLane(const QString& section) {
        const SectionReader values(m_ini, section);
        const double hue = values.Float(Hue, TPiece::kNoOwnHue);
        const int32_t position = values.Integer(Position, -1);
        TLane& lane = m_arrangement.lanes.Add(position, hue, hue == TPiece::kNoOwnHue);
        ReadPiece(values, lane.Piece());
        lane.Striked = values.Bool(Striked, false);
    }

    // An existing lane takes a chosen hue only; an unset one leaves its own.
    void ReadLaneInto(const QString& section, TLane& lane) {
        const SectionReader values(m_ini, section);
        const double hue = values.Float(Hue, TPiece::kNoOwnHue);
        if (hue != TPiece::kNoOwnHue)
            m_arrangement.lanes.SetHue(lane, false, hue);
        ReadPiece(values, lane.Piece());
        lane.Striked = values.Bool(Striked, false);
    }

    void FindResourceOf(const QString& section) {
        const QString name = SectionReader(m_ini, section).String(Resource, QString());
        if (!name.isEmpty())
            FindOrAddResource(name);
    }

    // One lane per sound file listed after "[Resources]", in rows 0, 1, 2, ...
    void ReadResourceList(const QByteArray& fileBytes) {
        QStringList lines = QString::fromUtf8(fileBytes).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast(); // the last line's break ends it, it does not begin another
        int number = 0;
        bool listing = false;
        for (const QString& rawLine : lines) {
            const QString line = rawLine.trimmed();
            if (!listing) {
                listing = line == QLatin1String("[Resources]");
                continue;
            }
            ++number;
            TLane& lane = m_arrangement.lanes.Add(number - 1, TPiece::kNoOwnHue, true);
            TPiece& piece = lane.Piece();
            piece.Handle = QFileInfo(ToLinuxSeparators(line)).completeBaseName();
            piece.Life.SetText("-1");
            piece.Loudness.SetText("1");
            piece.Pan.SetText("0");
            piece.ResStart.SetText("0");
            piece.ResEnd.SetText("1000");
            piece.RoundRobin = false;
            piece.Resource = FindOrAddResource(line);
        }
    }

private:
    TRes* FindOrAddResource(const QString& name) {
        return m_arrangement.resources.FindOrAdd(name, FoldersFor(m_plan, m_context));
    }

    Arrangement& m_arrangement;
    TThePlan& m_plan;
    const TWideCustomIniFile& m_ini;
    const PlanReadContext& m_context;
};

} // namespace

bool ReadTextPlan(Arrangement& arrangement, const TWideCustomIniFile& ini,
                  const QByteArray& fileBytes, const PlanReadContext& context) {
    if (ini.SectionCount() == 0 || ini.SectionName(0).compare(kMain, Qt::CaseInsensitive) != 0)
        return ReadOldestTextPlan(arrangement, ini, context);
    // Versions 1 and 2 read every header value themselves; the defaults' timing stands in when
    // theirs is unusable.
    StartFromDefaults(arrangement);
    if (ini.ReadString(kMain, Key(FormatVersion), QStringLiteral("2")) == QLatin1String("2"))
        return ReadTextPlanVersion2(arrangement, ini, context);
    return ReadTextPlanVersion1(arrangement, ini, fileBytes, context);
}

bool ReadTextPlanVersion2(Arrangement& arrangement, const TWideCustomIniFile& ini,
                          const PlanReadContext& context) {
    arrangement.plan.FileFormat = 2;
    TextPlanReading reading(arrangement, ini, context);
    reading.ReadHeader();
    bool result = true;
    for (qsizetype i = 1; i < ini.SectionCount(); ++i) {
        const QString section = ini.SectionName(i);
        if (section.startsWith(QLatin1String("Lane.")))
            reading.ReadLane(section);
        else if (result)
            result = reading.ReadBall(section); // a refused ball ends the balls, not the lanes
    }
    return result;
}

bool ReadTextPlanVersion1(Arrangement& arrangement, const TWideCustomIniFile& ini,
                          const QByteArray& fileBytes, const PlanReadContext& context) {
    arrangement.plan.FileFormat = 3;
    TextPlanReading reading(arrangement, ini, context);
    reading.ReadHeader();
    const QStringList sections = ini.ReadSections();
    if (sections.size() > 1 &&
        sections[1].compare(QLatin1String("Resources"), Qt::CaseInsensitive) == 0)
        reading.ReadResourceList(fileBytes);
    return true;
}

bool ReadOldestTextPlan(Arrangement& arrangement, const TWideCustomIniFile& ini,
                        const PlanReadContext& context) {
    StartFromDefaults(arrangement);
    TextPlanReading reading(arrangement, ini, context);
    bool result = true;
    for (qsizetype i = 0; result && i < ini.SectionCount(); ++i)
        result = reading.ReadBall(ini.SectionName(i));
    return result;
}

TBall* ReadBallSectionAt(Arrangement& arrangement, const TWideCustomIniFile& ini,
                         const QString& section, int64_t x, int64_t y,
                         const PlanReadContext& context) {
    TextPlanReading reading(arrangement, ini, context);
    return reading.ReadBallAt(SectionReader(ini, section), x, y);
}

void ReadLaneSectionInto(Arrangement& arrangement, const TWideCustomIniFile& ini,
                         const QString& section, TLane& lane, const PlanReadContext& context) {
    TextPlanReading(arrangement, ini, context).ReadLaneInto(section, lane);
}

void ReadPlanValuesSection(Arrangement& arrangement, const TWideCustomIniFile& ini,
                           const PlanReadContext& context) {
    TextPlanReading(arrangement, ini, context).ReadPlanValues(SectionReader(ini, kMain));
}

void FindSectionResources(Arrangement& arrangement, const TWideCustomIniFile& ini,
                          const QStringList& sections, const PlanReadContext& context) {
    TextPlanReading reading(arrangement, ini, context);
    for (const QString& section : sections)
        reading.FindResourceOf(section);
}
