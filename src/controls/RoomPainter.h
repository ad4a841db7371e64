// Drawing the room's cells with their balls, and the length marks that show how long each
// ball's sound lasts.
#pragma once

#include "controls/Geometry.h"
#include "controls/TintedPictures.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class Arrangement;
class NamedImages;
class QPainter;
class TBall;

// The room's pictures from the style; an empty one falls back to the built-in drawing.
struct RoomPictures {
    QImage cell;                 // odd time segments, and every cell without segment pictures
    QImage segment;              // even time segments
    std::array<QImage, 2> balls; // balls without a lane, by X div 4 even or odd, masks applied

    static RoomPictures FromStyle(const NamedImages& bitmaps);
};

// The room's pictures, made from the style's bitmaps again only when those change, and each
// lane's ball pair: the room's balls tinted with the lane's hue. UI thread only.
class RoomPictureCache {
public:
    const RoomPictures& From(const NamedImages& bitmaps);
    // After From: a ball of the pair for a hue, by X div 4 even (0) or odd (1).
    QImage LaneBall(long double hue, size_t pair) { return m_laneBalls.For(hue, pair); }

private:
    std::vector<qint64> m_keys;
    RoomPictures m_pictures;
    TintedPictures m_laneBalls;
};

// The time segment of a column; rounded towards minus infinity for either sign of the width.
int64_t TimeSegmentOf(int64_t x, int32_t segmentWidth);

// Where a ball's length mark goes, in client pixels: a bar 5 high from (x0, y), `length` wide,
// and a head at its end.
struct LengthMark {
    enum class Head { None, Small, Large };
    int64_t x0 = 0;
    int64_t y = 0;
    int64_t length = 0;
    Head head = Head::None;
};

// The mark of a ball at (x, y) whose sound lasts lengthPixels; nextX is the nearest ball of the
// same lane to its right. None when it would end left of the room.
std::optional<LengthMark> LengthMarkOf(const TRect& room, int32_t offsetX, int32_t offsetY,
                                       int32_t x, int32_t y, int64_t lengthPixels,
                                       std::optional<int32_t> nextX);

// UI thread only.
class RoomPainter {
public:
    // Without the rug, or without a cell picture, cells are plain squares; with the rug and a
    // segment picture, cell and segment pictures alternate by time segment.
    // A lane's balls are drawn with its tinted pair from the cache.
    RoomPainter(const Arrangement& model, const TRect& room, RoomPictureCache& pictures,
                const NamedImages& bitmaps, int32_t timeSegments, bool rugVisible);

    // Every visible cell that meets the area, with the ball standing in it.
    void PaintCells(QPainter& painter, const QRect& area) const;
    // The marks of the balls in the rows that meet the area.
    void PaintLengthMarks(QPainter& painter, const QRect& area) const;

private:
    void paintEmptyCell(QPainter& painter, int x, int y, int64_t cellX) const;
    void paintBall(QPainter& painter, int x, int y, int64_t cellX, const TBall& ball) const;

    const Arrangement& m_model;
    TRect m_room;
    RoomPictureCache& m_cache;
    const RoomPictures& m_pictures;
    int32_t m_timeSegments;
    bool m_plainCells;
    bool m_segmentPictures;
};
