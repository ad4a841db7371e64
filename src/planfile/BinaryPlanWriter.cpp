// The binary form of a plan, record by record in the shared order.
#include "planfile/BinaryPlanWriter.h"

#include "model/Arrangement.h"
#include "planfile/BinaryRecords.h"
#include "planfile/PlanWalk.h"

namespace {

class BinarySink : public PlanSink {
public:
    explicit BinarySink(PlanImage& image) : m_image(image), m_records(image.bytes) {}

    void BeginHeader() override { m_image.bytes.append(plantag::kMagic, plantag::kMagicSize); }
    void BeginLane(int) override { m_records.Tag(plantag::SectionLane); }
    void BeginBall(int) override { m_records.Tag(plantag::SectionBall); }
    void BeginPiece() override { m_records.Tag(plantag::SectionPiece); }
    void Int32(plantag::Tag tag, int32_t value) override { m_records.Int32(tag, value); }
    void Int64(plantag::Tag tag, int64_t value) override { m_records.Int64(tag, value); }
    void Bool(plantag::Tag tag, bool value) override { m_records.Bool(tag, value); }
    void Hue(long double value) override { m_records.Ext(plantag::Hue, value); }
    void Text(plantag::Tag tag, QStringView value) override {
        if (m_records.Text(tag, value))
            m_image.cutValues.append(QLatin1String(plantag::KeyOf(tag)));
    }

private:
    PlanImage& m_image;
    RecordWriter m_records;
};

} // namespace

PlanImage WriteBinaryPlan(const Arrangement& arrangement) {
    PlanImage image;
    // Balls without values of their own take 16 bytes each.
    image.bytes.reserve(256 + 32 * (arrangement.lanes.Count() + arrangement.balls.Count()));
    BinarySink sink(image);
    WalkPlan(arrangement, plantag::kFormatVersion, sink);
    return image;
}
