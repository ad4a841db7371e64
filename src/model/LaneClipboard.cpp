#include "model/LaneClipboard.h"

#include "model/Arrangement.h"
#include "model/Colour.h"
#include "support/ClipboardLine.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

std::optional<long double> numberOf(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

bool PasteLaneName(Arrangement& arrangement, TLane& lane, const QString& text) {
    const QString name = FirstCleanLine(text);
    if (name.isEmpty())
        return false;
    lane.Piece().Handle = name;
    arrangement.plan.SetModified(kChangeLaneNamePasted, true);
    return true;
}

QString LaneLoudnessText(const TLane& lane) {
    return QString::number(static_cast<double>(lane.Piece().EffectiveLoudness() * 100), 'g', 12);
}

bool PasteLaneLoudness(Arrangement& arrangement, TLane& lane, const QString& text) {
    const std::optional<long double> percent = numberOf(text.trimmed());
    if (!percent || *percent < 0)
        return false;
    {
        MixerLock lock(arrangement.audio);
        lane.Piece().Loudness.SetValue(*percent / 100);
    }
    arrangement.audio.ApplyToLaneSounding(lane, SoundAttribute::Loudness);
    arrangement.plan.SetModified(kChangeLaneLoudnessPasted, true);
    return true;
}

QString LaneHueText(const TLane& lane) {
    const uint32_t colour = lane.Colour();
    return QStringLiteral("%1 #%2%3%4")
        .arg(static_cast<double>(lane.Piece().Hue()), 0, 'g', 15)
        .arg(RedOf(colour), 2, 16, QChar(u'0'))
        .arg(GreenOf(colour), 2, 16, QChar(u'0'))
        .arg(BlueOf(colour), 2, 16, QChar(u'0'))
        .toUpper();
}

bool PasteLaneHue(Arrangement& arrangement, TLane& lane, const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const std::optional<long double> hue =
        numberOf(text.split(blanks, Qt::SkipEmptyParts).value(0));
    if (!hue || *hue < 0 || *hue >= 360)
        return false;
    arrangement.lanes.SetHue(lane, false, *hue);
    arrangement.plan.SetModified(kChangeLaneHuePasted, true);
    return true;
}
