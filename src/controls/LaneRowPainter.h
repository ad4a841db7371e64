// Drawing one lane's row of the lane strip: its strike box, its name and its meter.
#pragma once

#include <QFont>
#include <QImage>

#include <cstdint>
#include <optional>

class QPainter;
class TLane;
struct LanesStyle;

// How every row of the strip is drawn now.
struct LaneRowLook {
    QFont font;              // bold, the style's lane text size plus the zoom
    int textOffset = 0;      // from the row's top to the name's box
    QImage struckPicture;    // the strike box of a struck lane; empty: the drawn cross
    const LanesStyle& style; // shadow and meter colours
};

// The strip's columns: the strike box, then the name up to 9 pixels before the right edge.
constexpr int kStrikeBoxWidth = 20;
constexpr int kNameLeft = 24;
constexpr int kNameRightMargin = 9;
constexpr int kNameHeight = 15;

// Draws the lane's row at (left, top) of a strip `width` wide: the struck picture or cross, or
// the lane's own picture (its strike-box picture tinted with its hue) or the dot; the name in
// the lane's colour, cut with an ellipsis, over its shadow; and the meter when a level is given.
void PaintLaneRow(QPainter& painter, int left, int top, int width, const TLane& lane,
                  const QImage& lanePicture, const LaneRowLook& look,
                  std::optional<uint32_t> meterLevel);

// The colour of a lane's name: its own, but deeper for yellow hues when the style asks for
// MoreDeepYellow (pale yellow text is hard to read on grey) and lighter for purple ones with
// LessDeepPurple.
uint32_t LaneNameColour(const TLane& lane, const LanesStyle& style);

// The name's text as it fits the width: cut at its end with an ellipsis.
QString FittedLaneName(const QString& name, const QFont& font, int width);
