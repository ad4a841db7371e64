// A lane's row: strike box, name with shadow, meter.
#include "controls/LaneRowPainter.h"

#include "controls/BuiltInDrawings.h"
#include "controls/DrawingSurfaces.h"
#include "controls/LaneMeters.h"
#include "controls/StyleTables.h"
#include "model/Lanes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {

// The cross of a struck lane, 13 pixels square.
const QPolygon& struckCross() {
    static const QPolygon cross({{0, 2},
                                 {2, 0},
                                 {6, 4},
                                 {10, 0},
                                 {12, 2},
                                 {8, 6},
                                 {12, 10},
                                 {10, 12},
                                 {6, 8},
                                 {2, 12},
                                 {0, 10},
                                 {4, 6}});
    return cross;
}

void paintStrikeBox(QPainter& painter, int left, int top, const TLane& lane,
                    const QImage& lanePicture, const LaneRowLook& look) {
    const QColor colour = ToQColor(lane.Colour());
    if (lane.Striked) {
        if (!look.struckPicture.isNull()) {
            painter.drawImage(left, top, look.struckPicture);
            return;
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawPolygon(struckCross().translated(left + 4, top + 3));
        painter.restore();
        return;
    }
    if (!lanePicture.isNull())
        painter.drawImage(left, top, lanePicture);
    else
        DrawBallDot(painter, QPoint(left + 10, top + 9), lane.Colour());
}

} // namespace

uint32_t LaneNameColour(const TLane& lane, const LanesStyle& style) {
    const long double hue = lane.Piece().Hue();
    if (style.MoreDeepYellow && hue >= 40 && hue < 90)
        return HsvColour(hue, 1, 0.78L);
    if (style.LessDeepPurple && hue >= 260 && hue < 300)
        return HsvColour(hue, 0.4L, 1);
    return lane.Colour();
}

QString FittedLaneName(const QString& name, const QFont& font, int width) {
    return QFontMetrics(font).elidedText(name, Qt::ElideRight, width);
}

void PaintLaneRow(QPainter& painter, int left, int top, int width, const TLane& lane,
                  const QImage& lanePicture, const LaneRowLook& look,
                  std::optional<uint32_t> meterLevel) {
    paintStrikeBox(painter, left, top, lane, lanePicture, look);

    const QRect box(left + kNameLeft, top + look.textOffset, width - kNameLeft - kNameRightMargin,
                    kNameHeight);
    const QString text = FittedLaneName(lane.Piece().Handle, look.font, box.width());
    constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.save();
    painter.setFont(look.font);
    painter.setPen(ToQColor(look.style.Shadow));
    for (int d = 1; d <= look.style.ShadowDepth; ++d)
        painter.drawText(box.translated(d, d), flags, text);
    painter.setPen(ToQColor(LaneNameColour(lane, look.style)));
    painter.drawText(box, flags, text);
    painter.restore();

    if (meterLevel)
        PaintLaneMeter(painter, LaneMeterRect(left, top), *meterLevel, lane.Colour(), look.style);
}
