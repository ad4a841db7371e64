// The clipboard's copies and pastes of balls and lanes.
#include "commands/BallClipboard.h"

#include "model/Arrangement.h"
#include "model/LaneOperations.h"
#include "planfile/PlanTags.h"
#include "planfile/TextPlanReader.h"
#include "planfile/TextPlanWriter.h"
#include "support/WideMemIniFile.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

const QString kX = QLatin1String(plantag::KeyOf(plantag::X));
const QString kY = QLatin1String(plantag::KeyOf(plantag::Y));

QString textOf(const std::vector<const TLane*>& lanes, const std::vector<const TBall*>& balls) {
    return QString::fromUtf8(WriteTextSections(lanes, balls));
}

// The clipboard's text read as a plan text, split into its lane and ball sections.
struct PastedSections {
    explicit PastedSections(const QString& text) {
        ini.SetText(text);
        for (const QString& name : ini.ReadSections()) {
            if (name.startsWith(QLatin1String("Lane.")))
                lanes << name;
            // A whole plan's header is no ball.
            else if (name.compare(QLatin1String("Main"), Qt::CaseInsensitive) != 0)
                balls << name;
        }
    }

    TWideMemIniFile ini{QString()};
    QStringList lanes;
    QStringList balls;
};

} // namespace

QString BallText(const TBall& ball) {
    return textOf({}, {&ball});
}

QString BallsText(const Arrangement& arrangement, bool onlyInPlayRange) {
    std::vector<const TBall*> balls;
    for (int i = 0; i < arrangement.balls.Count(); ++i) {
        const TBall& ball = arrangement.balls.At(i);
        if (!onlyInPlayRange || arrangement.balls.InPlayRange(ball))
            balls.push_back(&ball);
    }
    return textOf({}, balls);
}

QString LaneText(const TLane& lane, bool withLane) {
    std::vector<const TLane*> lanes;
    if (withLane)
        lanes.push_back(&lane);
    return textOf(lanes, {lane.LaneBalls.begin(), lane.LaneBalls.end()});
}

int PasteBalls(Arrangement& arrangement, const QString& text, const PlanReadContext& context,
               bool keepColumns) {
    const PastedSections pasted(text);
    if (pasted.balls.isEmpty())
        return 0;
    const TWideMemIniFile& ini = pasted.ini;
    int64_t minY = std::numeric_limits<int32_t>::max();
    for (const QString& section : pasted.balls)
        if (ini.ValueExists(section, kY))
            minY = std::min<int64_t>(minY, ini.ReadInteger(section, kY, 0));
    FindSectionResources(arrangement, ini, pasted.balls, context);

    const TThePoint& point = arrangement.room.Point;
    int made = 0;
    {
        MixerLock lock(arrangement.audio);
        std::optional<int64_t> dx;
        for (const QString& section : pasted.balls) {
            int64_t x = ini.ReadInteger(section, kX, 0);
            if (!keepColumns) {
                if (!dx)
                    dx = x - point.X;
                x -= *dx;
            }
            const int64_t y = ini.ReadInteger(section, kY, 0) - minY + point.Y;
            TBall* ball = ReadBallSectionAt(arrangement, ini, section, x, y, context);
            if (!ball && arrangement.balls.RemoveAt(x, y, false))
                ball = ReadBallSectionAt(arrangement, ini, section, x, y, context);
            made += ball != nullptr;
        }
    }
    if (made > 0) {
        arrangement.plan.SetModified(kChangeBallsPasted, true);
        arrangement.audio.Reschedule();
    }
    return made;
}

bool PasteIntoLane(Arrangement& arrangement, const QString& text, const PlanReadContext& context,
                   TLane*& lane, int32_t row, bool whole) {
    // Read before anything goes: a text without sections leaves the lane as it was.
    const PastedSections pasted(text);
    const QStringList& laneSections = whole ? pasted.lanes : QStringList();
    if (pasted.balls.isEmpty() && laneSections.isEmpty())
        return false;
    const TWideMemIniFile& ini = pasted.ini;
    FindSectionResources(arrangement, ini, pasted.balls + laneSections, context);

    const int32_t target = lane ? lane->Position() : row;
    {
        MixerLock lock(arrangement.audio);
        if (!lane)
            lane = arrangement.lanes.AtPosition(target);
        if (lane) {
            RemoveLaneBalls(arrangement, *lane);
            if (whole)
                lane->Piece().Resource = nullptr;
        } else {
            arrangement.balls.RemoveRow(target);
            if (whole)
                lane = &arrangement.lanes.Add(target, TPiece::kNoOwnHue, true);
        }
        arrangement.plan.SetModified(whole ? kChangeLanePasted : kChangeBallsPasted, true);
        for (const QString& section : pasted.balls)
            ReadBallSectionAt(arrangement, ini, section, ini.ReadInteger(section, kX, 0), target,
                              context);
        if (lane)
            for (const QString& section : laneSections)
                ReadLaneSectionInto(arrangement, ini, section, *lane, context);
    }
    if (lane)
        arrangement.audio.RescheduleLane(*lane);
    return true;
}
