// Building the amended texts and applying them to the lanes.
#include "controls/EachLaneAmender.h"

#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "support/Formula.h"

#include <algorithm>

namespace {

TFormulaExt& valueOf(TPiece& piece, AmendedValue what) {
    return what == AmendedValue::Loudness ? piece.Loudness : piece.Pan;
}

// The range a lane's value is held in: loudness 0 .. 1, pan -1 .. 1. Unset values (-1, -1000)
// fall to the lower end of loudness (silent, as the mixer plays it) and to the centre of pan.
long double inRange(long double value, AmendedValue what, bool set) {
    if (what == AmendedValue::Pan && !set)
        return 0;
    return what == AmendedValue::Loudness ? std::clamp(value, 0.0L, 1.0L)
                                          : std::clamp(value, -1.0L, 1.0L);
}

long double effectiveOf(const TPiece& piece, AmendedValue what) {
    return what == AmendedValue::Loudness ? piece.EffectiveLoudness() : piece.EffectivePan();
}

long double notSetOf(AmendedValue what) {
    return what == AmendedValue::Loudness ? TPiece::kLoudnessNotSet : TPiece::kPanNotSet;
}

SoundAttribute attributeOf(AmendedValue what) {
    return what == AmendedValue::Loudness ? SoundAttribute::Loudness : SoundAttribute::Pan;
}

bool plainNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos;
}

std::string bracketed(const std::string& text) {
    return plainNumber(text) ? text : "(" + text + ")";
}

} // namespace

bool TEachLaneAmender::Start(AmendedValue what, AmendMode mode) {
    if (m_typer.Active())
        return false;
    m_what = what;
    m_mode = mode;
    m_saved.clear();
    m_bases.clear();
    const TTheLanes& lanes = m_arrangement.lanes;
    for (int i = 0; i < lanes.Count(); ++i) {
        TPiece& piece = lanes.At(i).Piece();
        const TFormulaExt& own = valueOf(piece, what);
        m_saved.push_back(own.Text());
        const long double effective = effectiveOf(piece, what);
        const long double held = inRange(effective, what, effective != notSetOf(what));
        // A lane's own text in range is amended as written; anything else from what is heard.
        m_bases.push_back(own.Value() == held ? own.Text() : FormulaValueText(held));
    }
    TyperStart start;
    start.commandId = kCommand;
    start.range = {-100, 100, -100, 2};
    start.value = 0;
    start.flash = false; // every lane shows the typed value already
    start.changed = [this](int32_t typed) { Apply(typed); };
    start.complete = [this](int32_t typed) {
        Apply(typed);
        m_active = false;
        m_arrangement.plan.SetModified(kCommand, true);
    };
    start.cancelled = [this] {
        Restore();
        m_active = false;
    };
    m_active = m_typer.Start(start);
    return m_active;
}

std::string TEachLaneAmender::amendedText(const std::string& base, int32_t typed) const {
    const std::string share = FormulaValueText(typed / 100.0L);
    if (m_mode == AmendMode::Absolute)
        return share;
    if (typed == 0)
        return base;
    if (m_what == AmendedValue::Loudness)
        return bracketed(base) + " * " + FormulaValueText((100 + typed) / 100.0L);
    return bracketed(base) + " + " + (typed < 0 ? "(" + share + ")" : share);
}

void TEachLaneAmender::applyText(int index, const std::string& text, bool hold) {
    TLane& lane = m_arrangement.lanes.At(index);
    {
        MixerLock lock(m_arrangement.audio);
        TFormulaExt& value = valueOf(lane.Piece(), m_what);
        value.SetText(text);
        if (hold) {
            const long double held = inRange(value.Value(), m_what, true);
            if (!value.Valid() || held != value.Value())
                value.SetValue(held);
        }
    }
    // As the lane strip does: a lane split over tracks pans through its channels' matrices.
    m_arrangement.audio.ApplyToLaneSounding(lane, attributeOf(m_what));
}

void TEachLaneAmender::Apply(int32_t typed) {
    const int count = std::min<int>(m_arrangement.lanes.Count(), static_cast<int>(m_bases.size()));
    for (int i = 0; i < count; ++i)
        applyText(i, amendedText(m_bases[i], typed), true);
}

void TEachLaneAmender::Restore() {
    const int count = std::min<int>(m_arrangement.lanes.Count(), static_cast<int>(m_saved.size()));
    for (int i = 0; i < count; ++i)
        applyText(i, m_saved[i], false);
}

bool AmendEveryLane(std::unique_ptr<TEachLaneAmender>& kept, Arrangement& arrangement,
                    TWatchTyper& typer, AmendedValue what, AmendMode mode) {
    if (!kept)
        kept = std::make_unique<TEachLaneAmender>(arrangement, typer);
    return kept->Start(what, mode);
}
