// Flag lines and caption boxes.
#include "controls/FlagPainter.h"

#include "controls/DrawingSurfaces.h"
#include "controls/StyleTables.h"
#include "model/Room.h"

#include <QFontMetrics>
#include <QPainter>

QFont FlagCaptionFont(const QString& rulerFontFamily) {
    QFont font(rulerFontFamily);
    font.setPixelSize(7); // size 5 at the 96 pixels per inch the window assumes
    return font;
}

int FlagCaptionHeight(const QFont& font) {
    return QFontMetrics(font).height() + 1;
}

void ColourStartAndEndFlags(TRoomState& room, const FlagsStyle& style, bool repeatOn) {
    TFlag& start = room.StartFlag();
    TFlag& end = room.EndFlag();
    start.Colour = repeatOn ? style.StartText : style.StartOffText;
    start.CaptionColour = repeatOn ? style.StartBG : style.StartOffBG;
    end.Colour = repeatOn ? style.EndText : style.EndOffText;
    end.CaptionColour = repeatOn ? style.EndBG : style.EndOffBG;
}

namespace {

int32_t flagTop(int32_t x, const RoomNeighbours& n) {
    if (n.menuTrigger && x >= n.menuTrigger->Left - 1 && x < n.menuTrigger->Right)
        return n.room.Top;
    return n.rulerShown ? n.ruler.Top : n.room.Top;
}

int32_t flagBottom(int32_t x, const RoomNeighbours& n) {
    if (x < n.room.Left)
        return n.ruler.Bottom;
    if (const auto top = RoomNeighbours::TopOfFirstCovering(x, {n.slider, n.watch, n.carrier}))
        return *top;
    return n.room.Bottom;
}

} // namespace

void PaintFlags(QPainter& painter, const TRoomState& room, const RoomNeighbours& n,
                const QRect& area, const QFont& captionFont) {
    if (!room.Flags.FlagsShown)
        return;
    const int32_t areaLeft = n.FlagAreaLeft();
    const int32_t bandTop = n.rulerShown ? n.ruler.Top : n.room.Top;
    const QRect clip =
        area & QRect(QPoint(areaLeft, bandTop), QPoint(n.room.Right - 1, n.room.Bottom - 1));
    if (clip.isEmpty())
        return;
    painter.save();
    painter.setClipRect(clip, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setFont(captionFont);
    const QFontMetrics metrics(captionFont);
    const int captionHeight = FlagCaptionHeight(captionFont);
    for (int i = 0; i < room.Flags.Count(); ++i) {
        const TFlag& flag = room.Flags.At(i);
        const int32_t x = flag.PixelX;
        if (x < areaLeft || x >= n.room.Right)
            continue;
        const QColor colour = ToQColor(flag.Colour);
        const int32_t top = flagTop(x, n);
        painter.fillRect(x, top, 1, flagBottom(x, n) - top, colour);
        if (flag.Caption.isEmpty() || !room.Flags.CaptionsShown || !n.rulerShown)
            continue;
        const int width = metrics.horizontalAdvance(flag.Caption);
        const QRect box = flag.CaptionOnLeft
                              ? QRect(x - width - 4, n.ruler.Top, width + 5, captionHeight)
                              : QRect(x, n.ruler.Top, width + 5, captionHeight);
        painter.fillRect(box, ToQColor(flag.CaptionColour));
        painter.setPen(colour);
        const int textX = flag.CaptionOnLeft ? x - 2 - width : x + 2;
        painter.drawText(textX, n.ruler.Top + metrics.ascent(), flag.Caption);
    }
    painter.restore();
}
