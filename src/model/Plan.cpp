// Plan timing, change tracking and master loudness.
#include "model/Plan.h"

#include "model/Arrangement.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString Named(const char* key, const TFormula& value) {
    return QStringLiteral("%1=%2").arg(QLatin1String(key), QString::fromStdString(value.Text()));
}

} // namespace

TThePlan::TThePlan(Arrangement& arrangement)
    : Master(TPiece::Kind::Master, arrangement.lanes, nullptr, nullptr, TPiece::kNoOwnHue, false),
      m_arrangement(arrangement),
      m_timing(*StepTiming::From(MPH.Value(), ElementRate.Value(), FrameResolution.Value(),
                                 Frames.Value())) {}

QString TThePlan::Folder() const {
    return Untitled ? QString() : QFileInfo(FileName).absolutePath();
}

QString TThePlan::RecomputeTiming() {
    if (const auto timing = StepTiming::From(MPH.Value(), ElementRate.Value(),
                                             FrameResolution.Value(), Frames.Value())) {
        m_timing = *timing;
        return {};
    }
    if (MPH.Value() <= 0)
        return Named("MPH", MPH);
    if (ElementRate.Value() <= 0)
        return Named("ElementRate", ElementRate);
    if (FrameResolution.Value() <= 0)
        return Named("FrameResolution", FrameResolution);
    return QStringList{Named("MPH", MPH), Named("ElementRate", ElementRate),
                       Named("FrameResolution", FrameResolution), Named("Frames", Frames)}
        .join(QLatin1String(", "));
}

void TThePlan::RecomputeBallStarts() {
    m_arrangement.balls.RecomputeStarts();
}

void TThePlan::TimingChanged(bool recompute) {
    m_arrangement.window.ClearPendingPlayPosition();
    if (!recompute)
        return;
    RecomputeTiming();
    RecomputeBallStarts();
    m_arrangement.room.RecomputeFlagPixels();
    m_arrangement.room.PlaceStartEndCaptions();
    if (m_arrangement.audio.MixerRunning())
        m_arrangement.audio.Reschedule();
}

void TThePlan::SetModified(int32_t changeCode, bool modified) {
    if ((changeCode > 0 || modified) && m_arrangement.recorder)
        m_arrangement.recorder->ChangeRecorded(changeCode);
    if (changeCode > 0) {
        m_lastChangeTime = QDateTime::currentDateTime();
        m_lastChangeCode = changeCode;
        if (m_firstChangeTime.isNull()) {
            m_firstChangeTime = m_lastChangeTime;
            m_firstChangeCode = changeCode;
        }
    }
    if (modified != m_modified) {
        m_modified = modified;
        m_arrangement.window.TitleChanged();
    }
}

void TThePlan::ClearModified() {
    if (m_arrangement.recorder)
        m_arrangement.recorder->PlanSaved();
    const bool wasModified = m_modified;
    m_modified = false;
    m_firstChangeCode = 0;
    m_lastChangeCode = 0;
    m_firstChangeTime = QDateTime();
    m_lastChangeTime = QDateTime();
    if (wasModified)
        m_arrangement.window.TitleChanged();
}

void TThePlan::SetMasterLoudness(long double value, bool updateSlider) {
    value = std::isnan(value) ? 0.0L : std::clamp(value, 0.0L, 1.0L);
    MasterLoudness.SetValue(value);
    if (m_arrangement.audio.MixerRunning())
        m_arrangement.audio.SetOutputVolume(value);
    if (updateSlider)
        m_arrangement.window.SyncLoudnessSlider();
}
