// Cells by time segment, balls as pictures or dots, and length marks.
#include "controls/RoomPainter.h"

#include "controls/BuiltInDrawings.h"
#include "controls/DrawingSurfaces.h"
#include "controls/NamedImages.h"
#include "model/Arrangement.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool isOdd(int64_t value) {
    return value % 2 != 0;
}

constexpr int kCell = kCellPixels;

} // namespace

RoomPictures RoomPictures::FromStyle(const NamedImages& bitmaps) {
    RoomPictures p;
    p.cell = bitmaps.Image("Room.bmp");
    p.segment = bitmaps.Image("Room_Alt.bmp");
    p.balls[0] = MaskedPicture(bitmaps.Image("Ball.bmp"), bitmaps.Image("Ball_Mask.bmp"));
    p.balls[1] = MaskedPicture(bitmaps.Image("Ball_Alt.bmp"), bitmaps.Image("Ball_Mask_Alt.bmp"));
    return p;
}

const RoomPictures& RoomPictureCache::From(const NamedImages& bitmaps) {
    std::vector<qint64> keys;
    for (const char* name : {"Room.bmp", "Room_Alt.bmp", "Ball.bmp", "Ball_Mask.bmp",
                             "Ball_Alt.bmp", "Ball_Mask_Alt.bmp"})
        keys.push_back(bitmaps.Image(QLatin1String(name)).cacheKey());
    if (keys != m_keys) {
        m_keys = std::move(keys);
        m_pictures = RoomPictures::FromStyle(bitmaps);
        m_laneBalls.SetSources({m_pictures.balls[0], m_pictures.balls[1]});
    }
    return m_pictures;
}

int64_t TimeSegmentOf(int64_t x, int32_t segmentWidth) {
    return floorDiv(x, segmentWidth == 0 ? 1 : segmentWidth);
}

std::optional<LengthMark> LengthMarkOf(const TRect& room, int32_t offsetX, int32_t offsetY,
                                       int32_t x, int32_t y, int64_t lengthPixels,
                                       std::optional<int32_t> nextX) {
    LengthMark m;
    m.x0 = room.Left + (int64_t{x} + offsetX) * kCell + 15;
    m.y = room.Top + (int64_t{y} + offsetY) * kCell + 7;
    m.length = lengthPixels - 15;
    if (m.x0 + m.length + 7 <= room.Left)
        return std::nullopt;
    const int64_t gap =
        nextX ? (int64_t{*nextX} - x - 1) * kCell + 9 : (-int64_t{x} - 2) * kCell + 9;
    if (m.length <= 3) {
        m.length = 0;
        m.head = LengthMark::Head::None;
    } else if (nextX && gap - 5 < m.length) {
        m.length = gap; // the mark stops at the next ball
        m.head = LengthMark::Head::None;
    } else {
        m.head = gap == m.length + 5 ? LengthMark::Head::None : LengthMark::Head::Large;
    }
    if (gap == m.length + 5)
        m.head = LengthMark::Head::Small;
    return m;
}

RoomPainter::RoomPainter(const Arrangement& model, const TRect& room, RoomPictureCache& pictures,
                         const NamedImages& bitmaps, int32_t timeSegments, bool rugVisible)
    : m_model(model), m_room(room), m_cache(pictures), m_pictures(pictures.From(bitmaps)),
      m_timeSegments(timeSegments), m_plainCells(!rugVisible || m_pictures.cell.isNull()),
      m_segmentPictures(rugVisible && !m_pictures.segment.isNull()) {}

void RoomPainter::paintEmptyCell(QPainter& painter, int x, int y, int64_t cellX) const {
    const bool odd = isOdd(TimeSegmentOf(cellX, m_timeSegments));
    const QImage& picture = m_segmentPictures && !odd ? m_pictures.segment : m_pictures.cell;
    if (!m_plainCells && !picture.isNull())
        painter.drawImage(x, y, picture);
    else
        DrawPlainCell(painter, x, y, !odd);
}

void RoomPainter::paintBall(QPainter& painter, int x, int y, int64_t cellX,
                            const TBall& ball) const {
    paintEmptyCell(painter, x, y, cellX);
    const size_t pair = isOdd(floorDiv(cellX, 4)) ? 1 : 0;
    const TLane* lane = ball.Lane();
    const QImage picture =
        lane ? m_cache.LaneBall(lane->Piece().Hue(), pair) : m_pictures.balls[pair];
    if (!picture.isNull())
        painter.drawImage(x, y, picture);
    else
        DrawBallDot(painter, QPoint(x + 9, y + 9), lane ? lane->Colour() : ball.Values().Colour());
}

void RoomPainter::PaintCells(QPainter& painter, const QRect& area) const {
    const TRoomState& room = m_model.room;
    const QRect visible = area & m_room.ToQRect();
    if (visible.isEmpty())
        return;
    const int firstColumn = (visible.left() - m_room.Left) / kCell;
    const int lastColumn = (visible.right() - m_room.Left) / kCell;
    const int firstRow = (visible.top() - m_room.Top) / kCell;
    const int lastRow = (visible.bottom() - m_room.Top) / kCell;
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            const int x = m_room.Left + c * kCell;
            const int y = m_room.Top + r * kCell;
            const int64_t cellX = int64_t{c} - room.OffsetX;
            if (const TBall* ball = m_model.balls.FindAtCell(c, r)) {
                paintBall(painter, x, y, cellX, *ball);
            } else {
                paintEmptyCell(painter, x, y, cellX);
            }
        }
    }
}

void RoomPainter::PaintLengthMarks(QPainter& painter, const QRect& area) const {
    const TRoomState& room = m_model.room;
    const long double perPixel = m_model.plan.ElementsPerPixel();
    const int64_t lastColumn = int64_t{m_room.Width()} / kCell - room.OffsetX - 1;
    const int64_t lastRow = int64_t{m_room.Height()} / kCell - room.OffsetY - 1;
    const int64_t firstRowInArea = floorDiv(area.top() - m_room.Top, kCell) - room.OffsetY;
    const int64_t lastRowInArea = floorDiv(area.bottom() - m_room.Top, kCell) - room.OffsetY;

    std::map<const TLane*, std::vector<int32_t>> laneColumns; // sorted, for the next ball
    const auto nextOf = [&](const TBall& ball) -> std::optional<int32_t> {
        auto [it, made] = laneColumns.try_emplace(ball.Lane());
        if (made) {
            for (const TBall* b : ball.Lane()->LaneBalls)
                it->second.push_back(b->X());
            std::sort(it->second.begin(), it->second.end());
        }
        const auto after = std::upper_bound(it->second.begin(), it->second.end(), ball.X());
        return after == it->second.end() ? std::nullopt : std::optional<int32_t>(*after);
    };

    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_model.balls.Count(); ++i) {
        const TBall& ball = m_model.balls.At(i);
        if (!ball.Lane())
            continue;
        const int64_t y = ball.Y();
        if (y + room.OffsetY < 0 || ball.X() > lastColumn + 1 || y > lastRow + 1 ||
            y < firstRowInArea || y > lastRowInArea)
            continue;
        const long double life = static_cast<long double>(ball.Values().RealLife().count);
        const long double pixels = perPixel > 0 ? std::nearbyint(life / perPixel) : 0;
        const int64_t lengthPixels = static_cast<int64_t>(std::clamp(pixels, -1.0e12L, 1.0e12L));
        const auto mark = LengthMarkOf(m_room, room.OffsetX, room.OffsetY, ball.X(), ball.Y(),
                                       lengthPixels, nextOf(ball));
        if (!mark)
            continue;
        painter.setBrush(ToQColor(ball.Lane()->Colour()));
        const int64_t end = mark->x0 + mark->length;
        if (mark->head != LengthMark::Head::None && end < m_room.Right + 8) {
            const int e = static_cast<int>(end);
            const int t = static_cast<int>(mark->y);
            const bool large = mark->head == LengthMark::Head::Large;
            const QPolygon head =
                large ? QPolygon({QPoint(e, t - 5), QPoint(e + 7, t + 2), QPoint(e, t + 9)})
                      : QPolygon({QPoint(e, t - 4), QPoint(e + 6, t + 2), QPoint(e, t + 8)});
            painter.drawPolygon(head);
        }
        int64_t x0 = mark->x0;
        int64_t length = mark->length;
        if (x0 < m_room.Left) {
            length -= m_room.Left - x0;
            x0 = m_room.Left;
        }
        length = std::min<int64_t>(length, m_room.Right - x0);
        if (length > 0)
            painter.fillRect(static_cast<int>(x0), static_cast<int>(mark->y),
                             static_cast<int>(length), 5, painter.brush());
    }
    painter.restore();
}
