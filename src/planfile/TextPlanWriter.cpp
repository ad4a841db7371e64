// The text form of a plan, line by line in the shared order.
#include "planfile/TextPlanWriter.h"

#include "model/Arrangement.h"
#include "planfile/PlanWalk.h"

#include <QLocale>
#include <QString>

namespace {

class TextSink : public PlanSink {
public:
    explicit TextSink(QByteArray& bytes) : m_bytes(bytes) {}

    void BeginHeader() override { Section("Main"); }
    void BeginLane(int index) override { Section("Lane." + QByteArray::number(index)); }
    void BeginBall(int index) override { Section(QByteArray::number(index)); }
    void BeginPiece() override {}
    void Int32(plantag::Tag tag, int32_t value) override { Line(tag, QByteArray::number(value)); }
    void Int64(plantag::Tag tag, int64_t value) override {
        Line(tag, QByteArray::number(static_cast<qlonglong>(value)));
    }
    void Bool(plantag::Tag tag, bool value) override { Line(tag, value ? "1" : "0"); }
    void Hue(long double value) override { Line(plantag::Hue, HueText(value).toUtf8()); }
    void Text(plantag::Tag tag, QStringView value) override {
        // A line break inside a value would split it into lines that read back as other keys.
        QString oneLine = value.toString();
        oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        Line(tag, oneLine.toUtf8());
    }

private:
    void Section(const QByteArray& name) { m_bytes.append('[').append(name).append("]\r\n"); }
    void Line(plantag::Tag tag, const QByteArray& value) {
        m_bytes.append(plantag::KeyOf(tag)).append('=').append(value).append("\r\n");
    }

    QByteArray& m_bytes;
};

} // namespace

QString HueText(long double hue) {
    return QString::number(static_cast<double>(hue), 'g', QLocale::FloatingPointShortest);
}

PlanImage WriteTextPlan(const Arrangement& arrangement, TextPlanScope scope) {
    PlanImage image;
    image.bytes.reserve(512 + 40 * (arrangement.lanes.Count() + arrangement.balls.Count()));
    TextSink sink(image.bytes);
    if (scope == TextPlanScope::Whole)
        WalkPlan(arrangement, 2, sink);
    else
        WalkBalls(arrangement, sink);
    return image;
}

QByteArray WriteTextSections(const std::vector<const TLane*>& lanes,
                             const std::vector<const TBall*>& balls) {
    QByteArray bytes;
    TextSink sink(bytes);
    for (size_t i = 0; i < lanes.size(); ++i)
        WalkLane(*lanes[i], static_cast<int>(i), sink);
    for (size_t i = 0; i < balls.size(); ++i)
        WalkBall(*balls[i], static_cast<int>(i), sink);
    return bytes;
}

QByteArray WritePlanValuesSection(const Arrangement& arrangement) {
    QByteArray bytes;
    TextSink sink(bytes);
    WalkHeader(arrangement, std::nullopt, sink);
    return bytes;
}
