// The binary reader: the header, the master piece, the lanes, then the balls, with values that
// carry over from one lane or ball head to the next.
#include "planfile/BinaryPlanReader.h"

#include "model/Arrangement.h"
#include "planfile/BinaryRecords.h"
#include "planfile/LoadMessages.h"
#include "planfile/PlanDefaults.h"

#include <cmath>
#include <limits>

namespace {

using namespace plantag;

class BinaryPlanReading {
public:
    BinaryPlanReading(Arrangement& arrangement, const QByteArray& image,
                      const PlanReadContext& context)
        : m_arrangement(arrangement), m_plan(arrangement.plan), m_in(image, kMagicSize),
          m_context(context) {}

    bool Run() {
        StartFromDefaults(m_arrangement);
        if (!ReadHeader())
            return false;
        const uint16_t ended = ReadPiece(m_plan.Master);
        if (!m_ok)
            return false;
        RecomputeTimingAfterRead(m_plan);
        if (ended == SectionLane)
            ReadLanes();
        else if (ended == SectionBall)
            ReadBalls();
        return m_ok;
    }

private:
    void Fault(qsizetype offset, uint16_t tag) {
        m_ok = false;
        AddFormatFaultMessage(m_plan, offset, tag);
    }

    void SetFormula(TFormula& formula) { formula.SetText(m_in.Text().toStdString()); }

    bool ReadHeader() {
        bool masterLoudnessRead = false;
        bool headEnded = false;
        while (!headEnded && m_in.Remain(2)) {
            const qsizetype offset = m_in.Offset();
            const uint16_t tag = m_in.Tag();
            switch (tag) {
            case FormatVersion:
                if (m_in.Int32() != kFormatVersion) {
                    Fault(offset, tag);
                    return false;
                }
                break;
            case MPH:
                SetFormula(m_plan.MPH);
                break;
            case FrameResolution:
                SetFormula(m_plan.FrameResolution);
                break;
            case Frames:
                SetFormula(m_plan.Frames);
                break;
            case ElementRate:
                SetFormula(m_plan.ElementRate);
                break;
            case MasterLoudness:
                SetFormula(m_plan.MasterLoudness);
                masterLoudnessRead = true;
                break;
            case Start:
                m_plan.Start = Elements{m_in.Int64()};
                break;
            case End:
                m_plan.End = Elements{m_in.Int64()};
                break;
            case OffsetX:
                m_arrangement.room.OffsetX = m_in.Int32();
                break;
            case OffsetY:
                m_arrangement.room.OffsetY = m_in.Int32();
                break;
            case ThePointX:
                m_arrangement.room.Point.X = m_in.Int32();
                break;
            case ThePointY:
                m_arrangement.room.Point.Y = m_in.Int32();
                break;
            case Memory:
                m_plan.Memory = m_in.Bool();
                break;
            case ResourcesFolder:
                m_plan.ResourcesFolder = m_in.Text();
                break;
            case SectionPiece:
                headEnded = true;
                break;
            default:
                Fault(offset, tag);
                return false;
            }
        }
        // The writer leaves out the text "1".
        if (!masterLoudnessRead)
            m_plan.MasterLoudness.SetText("1");
        return true;
    }

    // Answers the tag that ended the piece: SectionLane, SectionBall or SectionEOF at the end
    // of the data; after a fault, the faulty tag.
    uint16_t ReadPiece(TPiece& piece) {
        return ReadPieceOf([&]() -> TPiece& { return piece; }, &piece);
    }

    // The same for a piece that `pieceOf` makes on the first value read, unless it is made
    // already: a ball that takes every value from its lane gets none.
    template <class PieceOf> uint16_t ReadPieceOf(PieceOf pieceOf, TPiece* made = nullptr) {
        const auto piece = [&]() -> TPiece& {
            if (!made)
                made = &pieceOf();
            return *made;
        };
        const auto finish = [&] {
            if (made)
                FinishPiece(*made);
        };
        while (m_in.Remain(2)) {
            m_pieceEndOffset = m_in.Offset();
            const uint16_t tag = m_in.Tag();
            switch (tag) {
            case Handle:
                piece().Handle = m_in.Text();
                break;
            case Life:
                SetFormula(piece().Life);
                break;
            case Loudness:
                SetFormula(piece().Loudness);
                break;
            case Pan:
                SetFormula(piece().Pan);
                break;
            case ResStart:
                SetFormula(piece().ResStart);
                break;
            case ResEnd:
                SetFormula(piece().ResEnd);
                break;
            case RoundRobin:
                piece().RoundRobin = m_in.Bool();
                break;
            case Hue:
                ReadHue(piece());
                break;
            case Resource:
                piece().Resource =
                    m_arrangement.resources.FindOrAdd(m_in.Text(), FoldersFor(m_plan, m_context));
                break;
            case SrcTrack0:
                piece().SrcTrack0 = m_in.Int32();
                break;
            case SrcTrack1:
                piece().SrcTrack1 = m_in.Int32();
                break;
            case SectionEOF:
                break;
            case SectionLane:
            case SectionBall:
                finish();
                return tag;
            default:
                Fault(m_pieceEndOffset, tag);
                return tag;
            }
        }
        finish();
        return SectionEOF;
    }

    // A hue that is no number (or none a double can hold, as the text form needs) is ignored.
    void ReadHue(TPiece& piece) {
        const long double hue = m_in.Ext();
        if (std::isfinite(hue) && std::fabs(hue) <= std::numeric_limits<double>::max())
            piece.SetHueAsRead(hue);
    }

    static void FinishPiece(TPiece& piece) { piece.ApplySourceTracks(); }

    void ReadLanes() {
        int32_t position = 0;
        bool struck = false;
        while (m_in.Remain(2)) {
            const qsizetype offset = m_in.Offset();
            const uint16_t tag = m_in.Tag();
            switch (tag) {
            case SectionLane:
                break;
            case Position:
                position = m_in.Int32();
                break;
            case Striked:
                struck = m_in.Bool();
                break;
            case SectionPiece: {
                TLane& lane = m_arrangement.lanes.Add(position, TPiece::kHueNotSet, false);
                const uint16_t ended = ReadPiece(lane.Piece());
                const long double hue = lane.Piece().Hue();
                m_arrangement.lanes.SetHue(lane, hue == TPiece::kHueNotSet, hue);
                lane.Striked = struck;
                struck = false;
                if (!m_ok)
                    return;
                if (ended == SectionBall) {
                    ReadBalls();
                    return;
                }
                break;
            }
            case SectionBall:
                ReadBalls();
                return;
            default:
                Fault(offset, tag);
                return;
            }
        }
    }

    void ReadBalls() {
        int32_t x = 0;
        int32_t y = 0;
        while (m_in.Remain(2)) {
            const qsizetype offset = m_in.Offset();
            const uint16_t tag = m_in.Tag();
            switch (tag) {
            case SectionBall:
                break;
            case X:
                x = m_in.Int32();
                break;
            case Y:
                y = m_in.Int32();
                break;
            case SectionPiece: {
                TBall* ball = m_arrangement.balls.Add(x, y, TPiece::kNoOwnHue, false);
                if (!ball) {
                    AddRefusedBallMessage(m_plan, x, y);
                    return;
                }
                // Lanes come before balls; a lane after them would be lost without a word.
                if (ReadPieceOf([&]() -> TPiece& { return ball->EditPiece(); }) == SectionLane &&
                    m_ok)
                    Fault(m_pieceEndOffset, SectionLane);
                if (!m_ok)
                    return;
                break;
            }
            default:
                Fault(offset, tag);
                return;
            }
        }
    }

    Arrangement& m_arrangement;
    TThePlan& m_plan;
    RecordReader m_in;
    const PlanReadContext& m_context;
    qsizetype m_pieceEndOffset = 0;
    bool m_ok = true;
};

} // namespace

bool ReadBinaryPlan(Arrangement& arrangement, const QByteArray& image,
                    const PlanReadContext& context) {
    return BinaryPlanReading(arrangement, image, context).Run();
}
