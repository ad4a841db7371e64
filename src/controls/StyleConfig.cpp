// The interior's own scan of config.ini: one key table per section, in the order of the file.
#include "controls/StyleConfig.h"

#include <QFile>

#include <functional>
#include <utility>
#include <vector>

std::optional<uint32_t> ParseStyleColour(const QString& text) {
    QString digits;
    for (const QChar c : text.toLower())
        if (c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f')))
            digits.append(c);
    if (digits.size() < 6)
        return std::nullopt;
    bool ok = false;
    const uint32_t rrggbb = digits.left(6).toUInt(&ok, 16);
    return ok ? std::optional(StyleColour(rrggbb)) : std::nullopt;
}

std::optional<int32_t> ParseStyleInteger(const QString& text) {
    bool ok = false;
    const int32_t value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

namespace {

using KeyReader = std::function<void(StyleTables&, const QString& value)>;
using SectionKeys = std::vector<std::pair<QString, KeyReader>>;

template <class Section>
std::pair<QString, KeyReader> colour(const char* key, Section StyleTables::*section,
                                     uint32_t Section::*field) {
    return {QString::fromLatin1(key), [=](StyleTables& tables, const QString& value) {
                if (const auto parsed = ParseStyleColour(value))
                    (tables.*section).*field = *parsed;
            }};
}

template <class Section>
std::pair<QString, KeyReader> integer(const char* key, Section StyleTables::*section,
                                      int32_t Section::*field) {
    return {QString::fromLatin1(key), [=](StyleTables& tables, const QString& value) {
                if (const auto parsed = ParseStyleInteger(value))
                    (tables.*section).*field = *parsed;
            }};
}

// An integer where 1 means on and any other number off.
template <class Section>
std::pair<QString, KeyReader> flag(const char* key, Section StyleTables::*section,
                                   bool Section::*field) {
    return {QString::fromLatin1(key), [=](StyleTables& tables, const QString& value) {
                if (const auto parsed = ParseStyleInteger(value))
                    (tables.*section).*field = *parsed == 1;
            }};
}

// One key that sets a colour of the point's marker and the same colour of the lanes' marker.
std::pair<QString, KeyReader> pointAndLanes(const char* key, uint32_t PointStyle::*point,
                                            uint32_t PointStyle::*lanes) {
    return {QString::fromLatin1(key), [=](StyleTables& tables, const QString& value) {
                if (const auto parsed = ParseStyleColour(value))
                    tables.Point.*point = tables.Point.*lanes = *parsed;
            }};
}

std::vector<std::pair<QString, SectionKeys>> sectionReaders() {
    using S = StyleTables;
    return {
        {"[Line]",
         {colour("Line", &S::Line, &LineStyle::Line),
          colour("MarkerOutline", &S::Line, &LineStyle::MarkerOutline),
          colour("MarkerBG", &S::Line, &LineStyle::MarkerBG)}},
        {"[Lanes]",
         {colour("Outline", &S::Lanes, &LanesStyle::Outline),
          colour("Shadow", &S::Lanes, &LanesStyle::Shadow),
          integer("ShadowDepth", &S::Lanes, &LanesStyle::ShadowDepth),
          integer("FontSize", &S::Lanes, &LanesStyle::FontSize),
          colour("MeterBG", &S::Lanes, &LanesStyle::MeterBG),
          colour("MeterMid", &S::Lanes, &LanesStyle::MeterMid),
          flag("MoreDeepYellow", &S::Lanes, &LanesStyle::MoreDeepYellow),
          flag("LessDeepPurple", &S::Lanes, &LanesStyle::LessDeepPurple)}},
        {"[Ruler]",
         {colour("BG", &S::Ruler, &RulerStyle::BG), colour("Text", &S::Ruler, &RulerStyle::Text)}},
        {"[Flags]",
         {colour("StartBG", &S::Flags, &FlagsStyle::StartBG),
          colour("EndBG", &S::Flags, &FlagsStyle::EndBG),
          colour("StartText", &S::Flags, &FlagsStyle::StartText),
          colour("EndText", &S::Flags, &FlagsStyle::EndText),
          colour("StartOffBG", &S::Flags, &FlagsStyle::StartOffBG),
          colour("EndOffBG", &S::Flags, &FlagsStyle::EndOffBG),
          colour("StartOffText", &S::Flags, &FlagsStyle::StartOffText),
          colour("EndOffText", &S::Flags, &FlagsStyle::EndOffText)}},
        {"[Slider]",
         {colour("Outline", &S::Slider, &SliderStyle::Outline),
          colour("OutlineShadow", &S::Slider, &SliderStyle::OutlineShadow),
          colour("HandleOutline", &S::Slider, &SliderStyle::HandleOutline),
          colour("OutlineHighlight", &S::Slider, &SliderStyle::OutlineHighlight),
          colour("BG", &S::Slider, &SliderStyle::BG),
          colour("Handle", &S::Slider, &SliderStyle::Handle),
          colour("SmallTick", &S::Slider, &SliderStyle::SmallTick),
          colour("LargeTick", &S::Slider, &SliderStyle::LargeTick),
          colour("ZeroText", &S::Slider, &SliderStyle::ZeroText),
          colour("HundredText", &S::Slider, &SliderStyle::HundredText),
          colour("LabelBG", &S::Slider, &SliderStyle::LabelBG),
          colour("LabelText", &S::Slider, &SliderStyle::LabelText),
          colour("HandleShadow", &S::Slider, &SliderStyle::HandleShadow),
          colour("HandleGradient", &S::Slider, &SliderStyle::HandleGradient),
          colour("MidLine", &S::Slider, &SliderStyle::MidLine),
          colour("HoleOutline", &S::Slider, &SliderStyle::HoleOutline),
          colour("HoleGlowBig", &S::Slider, &SliderStyle::HoleGlowBig),
          colour("HoleGlowMid", &S::Slider, &SliderStyle::HoleGlowMid),
          colour("HoleGlowSmall", &S::Slider, &SliderStyle::HoleGlowSmall),
          colour("HoleGlowLine", &S::Slider, &SliderStyle::HoleGlowLine),
          colour("HoleBig", &S::Slider, &SliderStyle::HoleBig),
          colour("HoleMid", &S::Slider, &SliderStyle::HoleMid),
          colour("HoleSmall", &S::Slider, &SliderStyle::HoleSmall),
          colour("HoleLine", &S::Slider, &SliderStyle::HoleLine)}},
        {"[Point]",
         {pointAndLanes("MarkerOutline", &PointStyle::MarkerOutline,
                        &PointStyle::LanesMarkerOutline),
          pointAndLanes("MarkerBG", &PointStyle::MarkerBG, &PointStyle::LanesMarkerBG),
          colour("LanesMarkerOutline", &S::Point, &PointStyle::LanesMarkerOutline),
          colour("LanesMarkerBG", &S::Point, &PointStyle::LanesMarkerBG)}},
        {"[MasterMeter]",
         {colour("BG", &S::MasterMeter, &MasterMeterStyle::BG),
          colour("Outline", &S::MasterMeter, &MasterMeterStyle::Outline),
          colour("Normal", &S::MasterMeter, &MasterMeterStyle::Normal),
          colour("Paused", &S::MasterMeter, &MasterMeterStyle::Paused),
          colour("Foul", &S::MasterMeter, &MasterMeterStyle::Foul)}},
        {"[MenuTrigger]",
         {colour("BG", &S::MenuTrigger, &MenuTriggerStyle::BG),
          colour("DownBG", &S::MenuTrigger, &MenuTriggerStyle::DownBG),
          colour("Outline", &S::MenuTrigger, &MenuTriggerStyle::Outline),
          colour("OutlineHighlight", &S::MenuTrigger, &MenuTriggerStyle::OutlineHighlight),
          colour("Shadow", &S::MenuTrigger, &MenuTriggerStyle::Shadow),
          colour("Normal", &S::MenuTrigger, &MenuTriggerStyle::Normal),
          colour("Down", &S::MenuTrigger, &MenuTriggerStyle::Down)}},
        {"[Carrier]",
         {colour("BG", &S::Carrier, &CarrierStyle::BG),
          colour("Outline", &S::Carrier, &CarrierStyle::Outline),
          integer("RollX", &S::Carrier, &CarrierStyle::RollX),
          integer("PauseX", &S::Carrier, &CarrierStyle::PauseX),
          integer("SettleX", &S::Carrier, &CarrierStyle::SettleX),
          integer("PastX", &S::Carrier, &CarrierStyle::PastX),
          integer("FutureX", &S::Carrier, &CarrierStyle::FutureX),
          integer("RollWidth", &S::Carrier, &CarrierStyle::RollWidth),
          integer("PauseWidth", &S::Carrier, &CarrierStyle::PauseWidth),
          integer("SettleWidth", &S::Carrier, &CarrierStyle::SettleWidth),
          integer("PastWidth", &S::Carrier, &CarrierStyle::PastWidth),
          integer("FutureWidth", &S::Carrier, &CarrierStyle::FutureWidth),
          integer("TriggerY", &S::Carrier, &CarrierStyle::TriggerY),
          integer("TriggerWidth", &S::Carrier, &CarrierStyle::TriggerWidth)}},
    };
}

const SectionKeys* keysOfHeader(const QString& line) {
    static const auto readers = sectionReaders();
    for (const auto& [header, keys] : readers)
        if (line == header)
            return &keys;
    return nullptr;
}

} // namespace

StyleTables ReadStyleConfig(const QStringList& lines) {
    StyleTables tables;
    const SectionKeys* section = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            section = keysOfHeader(line);
            continue;
        }
        if (!section || line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        const QString value = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
        for (const auto& [known, read] : *section) {
            if (key == known) {
                read(tables, value);
                break;
            }
        }
    }
    return tables;
}

StyleTables ReadStyleConfigFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return ReadStyleConfig(text.split(QLatin1Char('\n')));
}
