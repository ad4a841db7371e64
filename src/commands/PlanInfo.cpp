// The plan's and the lanes' information as text.
#include "commands/PlanInfo.h"
#include "commands/InfoLine.h"

#include "model/Arrangement.h"
#include "texts/Parlance.h"

#include <QLocale>

namespace {

constexpr int kTextElementRate = 5;
constexpr int kTextLaneCountLabel = 24;
constexpr int kTextTextSizeLabel = 25;
constexpr int kTextName = 26;
constexpr int kTextTempo = 30;
constexpr int kTextFileFormat = 43;
constexpr int kTextNever = 54;
constexpr int kTextPlanFile = 55;
constexpr int kTextPan = 58;
constexpr int kTextMemory = 59;
constexpr int kTextLanes = 60;
constexpr int kTextBalls = 61;
constexpr int kTextLoaded = 62;
constexpr int kTextNone = 70;
constexpr int kTextMasterLoudness = 95;
constexpr int kTextBegun = 159;

const QString kLineEnd = QStringLiteral("\r\n");

QString line(int label, const QString& value) {
    return InfoLine(label, value) + kLineEnd;
}

QString orNone(const QString& value) {
    return value.isEmpty() ? Text(kTextNone) : value;
}

QString formulaText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString PlanInfoText(const Arrangement& arrangement) {
    const TThePlan& plan = arrangement.plan;
    QString text = GetText(kTextPlanFile) + QStringLiteral(": ") + kLineEnd;
    text += (plan.Untitled ? Text(kTextNone) : plan.FileName) + kLineEnd + kLineEnd;
    text += line(kTextFileFormat,
                 plan.FileFormat == 0 ? Text(kTextNone) : QString::number(plan.FileFormat));
    text += line(kTextName, orNone(plan.Master.Handle));
    text += line(kTextElementRate, formulaText(plan.ElementRate.Text()));
    text += line(kTextMasterLoudness, formulaText(plan.MasterLoudness.Text()));
    text += line(kTextPan, formulaText(plan.Master.Pan.Text()));
    text += line(kTextMemory, BoolWord(plan.Memory));
    text += line(kTextTempo, formulaText(plan.MPH.Text()));
    text += line(kTextLanes, QString::number(arrangement.lanes.Count()));
    text += line(kTextBalls, QString::number(arrangement.balls.Count()));
    text += kLineEnd;
    const bool loaded = plan.LoadTime.isValid() && plan.LoadTime.toMSecsSinceEpoch() > 0;
    text += line(plan.Untitled ? kTextBegun : kTextLoaded,
                 loaded ? QLocale::system().toString(plan.LoadTime, QLocale::ShortFormat)
                        : Text(kTextNever));
    return text;
}

QString LanesInfoText(int laneCount, int textZoom) {
    return line(kTextLaneCountLabel, QString::number(laneCount)) +
           line(kTextTextSizeLabel, QString::number(textZoom));
}
