#include "MenuIconArt.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <initializer_list>

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Glyphs are laid out on a 16-pixel grid of pixel centres; at 12 pixels the grid is mapped so that
// whole pixels stay whole and half-pixel centres stay between two pixels, keeping strokes crisp.
class Icon {
public:
    Icon(QImage& image, const IconPalette& palette) : c(palette), p(&image), size_(image.width()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(0.5, 0.5);
    }

    const IconPalette& c;
    QPainter p;

    bool small() const { return size_ < 16; }
    double scale() const { return (size_ - 1) / 15.0; }

    double at(double v) const {
        if (!small())
            return v;
        const double whole = std::floor(v);
        if (v == whole)
            return std::round(v * scale());
        if (v - whole == 0.5) {
            const double lo = std::round((v - 0.5) * scale());
            const double hi = std::round((v + 0.5) * scale());
            return lo == hi ? lo + 0.5 : (lo + hi) / 2;
        }
        return v * scale();
    }
    QPointF pt(double x, double y) const { return {at(x), at(y)}; }

    void style(const QColor& fill, const QColor& outline, double width = 1,
               Qt::PenCapStyle cap = Qt::SquareCap) {
        p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        if (outline.isValid())
            p.setPen(QPen(outline, width, Qt::SolidLine, cap, Qt::MiterJoin));
        else
            p.setPen(Qt::NoPen);
    }

    // One pixel of the target grid, for pixel art that is laid out per size.
    void px(int x, int y, const QColor& colour) {
        p.fillRect(QRectF(x - 0.5, y - 0.5, 1, 1), colour);
    }

    // Whole pixels from corner to corner, both included.
    void fill(double x0, double y0, double x1, double y1, const QColor& colour) {
        p.fillRect(QRectF(at(x0) - 0.5, at(y0) - 0.5, at(x1) - at(x0) + 1, at(y1) - at(y0) + 1),
                   colour);
    }
    void box(double x0, double y0, double x1, double y1, const QColor& fillColour,
             const QColor& outline) {
        style(fillColour, outline);
        p.drawRect(QRectF(pt(x0, y0), pt(x1, y1)));
    }
    void oval(double x0, double y0, double x1, double y1, const QColor& fillColour,
              const QColor& outline, double width = 1) {
        style(fillColour, outline, width);
        p.drawEllipse(QRectF(pt(x0, y0), pt(x1, y1)));
    }
    void poly(std::initializer_list<QPointF> points, const QColor& fillColour,
              const QColor& outline, double width = 1) {
        QPolygonF polygon;
        for (const QPointF& point : points)
            polygon << pt(point.x(), point.y());
        style(fillColour, outline, width);
        p.drawPolygon(polygon);
    }
    void polyline(std::initializer_list<QPointF> points, const QColor& colour, double width,
                  Qt::PenCapStyle cap = Qt::FlatCap) {
        QPolygonF polygon;
        for (const QPointF& point : points)
            polygon << pt(point.x(), point.y());
        style(QColor(), colour, width, cap);
        p.drawPolyline(polygon);
    }
    void line(double x0, double y0, double x1, double y1, const QColor& colour, double width = 1,
              Qt::PenCapStyle cap = Qt::SquareCap) {
        style(QColor(), colour, width, cap);
        p.drawLine(pt(x0, y0), pt(x1, y1));
    }
    void path(QPainterPath shape, const QColor& fillColour, const QColor& outline,
              double width = 1) {
        for (int i = 0; i < shape.elementCount(); ++i) {
            const QPainterPath::Element e = shape.elementAt(i);
            shape.setElementPositionAt(i, at(e.x), at(e.y));
        }
        style(fillColour, outline, width, Qt::FlatCap);
        p.drawPath(shape);
    }

    // Turns what follows about the middle of the icon, in quarter turns.
    void turn(int quarters) {
        const double middle = (size_ - 1) / 2.0;
        p.translate(middle, middle);
        p.rotate(90.0 * quarters);
        p.translate(-middle, -middle);
    }

    QColor shade() const { return mix(c.accent, c.ink, 0.3); }
    QColor light() const { return mix(c.accent, c.paper, 0.55); }

private:
    int size_;
};

// --- Glyph families -----------------------------------------------------------------------------

void sheet(Icon& g, double x0, double y0, double x1, double y1, double ear = 3) {
    g.poly({{x0, y0}, {x1 - ear, y0}, {x1, y0 + ear}, {x1, y1}, {x0, y1}}, g.c.paper, g.c.ink);
    g.polyline({{x1 - ear, y0}, {x1 - ear, y0 + ear}, {x1, y0 + ear}}, g.c.ink, 1, Qt::SquareCap);
}

void textLines(Icon& g, double x0, double x1, std::initializer_list<double> rows,
               const QColor& colour) {
    for (double y : rows)
        g.line(x0, y, x1, y, colour);
}

void disk(Icon& g, double x0, double y0, double x1, double y1) {
    g.poly({{x0, y0}, {x1 - 2, y0}, {x1, y0 + 2}, {x1, y1}, {x0, y1}}, g.c.accent, g.c.ink);
    g.box(x0 + 3, y0, x1 - 3, y0 + 4, g.c.paper, g.c.ink);
    if (!g.small())
        g.fill(x1 - 5, y0 + 1, x1 - 5, y0 + 3, g.c.ink);
    g.box(x0 + 2, y1 - 5, x1 - 2, y1, g.c.paper, g.c.ink);
}

void window(Icon& g, double x0, double y0, double x1, double y1) {
    g.box(x0, y0, x1, y1, g.c.paper, g.c.ink);
    g.box(x0, y0, x1, y0 + 3, g.c.accent, g.c.ink);
}

void folder(Icon& g, double x0, double y0, double x1, double y1, bool open) {
    g.poly({{x0, y0}, {x0 + 4, y0}, {x0 + 5, y0 + 1}, {x1, y0 + 1}, {x1, y1}, {x0, y1}}, g.shade(),
           g.c.ink);
    if (open)
        g.poly({{x0 + 3, y0 + 5}, {x1 + 2, y0 + 5}, {x1, y1}, {x0, y1}}, g.c.accent, g.c.ink);
    else
        g.box(x0, y0 + 3, x1, y1, g.c.accent, g.c.ink);
}

// A pencil at 45 degrees, pointing down-left from `tipX, tipY` (target pixels); drawn pixel by
// pixel because antialiased diagonals blur at this size.
void pencil(Icon& g, int tipX, int tipY, int length) {
    const int side = g.small() ? 11 : 15;
    for (int y = 0; y <= side; ++y)
        for (int x = 0; x <= side; ++x) {
            const int along = (x - tipX) - (y - tipY);
            const int across = std::abs((x - tipX) + (y - tipY));
            const int cone = 4;
            const int limit = along < cone ? (along + 1) / 2 : 2;
            if (along < 0 || along > length || across > limit)
                continue;
            QColor colour = g.c.accent;
            if (along <= 1)
                colour = g.c.ink;
            else if (along < cone)
                colour = across == limit ? g.c.ink : g.c.paper;
            else if (across == 2 || along == length)
                colour = g.c.ink;
            else if (along >= length - 2)
                colour = g.c.accent2;
            g.px(x, y, colour);
        }
}

// A thick stroke with a dark rim, so a coloured mark reads on any background.
void rimmedLines(Icon& g, std::initializer_list<QLineF> lines, const QColor& colour, double width) {
    for (const QColor& pass : {g.c.ink, colour}) {
        const double w = pass == g.c.ink ? width + 2 : width;
        for (const QLineF& l : lines)
            g.line(l.x1(), l.y1(), l.x2(), l.y2(), pass, w * (g.small() ? 0.85 : 1.0));
    }
}

void blockArrow(Icon& g, int quarters) {
    g.p.save();
    g.turn(quarters);
    g.poly({{2, 6}, {8, 6}, {8, 2}, {13.5, 7.5}, {8, 13}, {8, 9}, {2, 9}}, g.c.accent, g.c.ink);
    g.p.restore();
}

void speaker(Icon& g) {
    g.poly({{1, 5}, {4, 5}, {8, 1}, {8, 14}, {4, 10}, {1, 10}}, g.c.accent, g.c.ink);
}

void flag(Icon& g, double pole, double right, double top, double bottom, double foot, bool notch) {
    if (notch)
        g.poly({{pole, top},
                {right, top},
                {right - 3, (top + bottom) / 2},
                {right, bottom},
                {pole, bottom}},
               g.c.accent, g.c.ink);
    else
        g.box(pole, top, right, bottom, g.c.accent, g.c.ink);
    g.line(pole, top, pole, foot, g.c.ink);
}

void flagWithBracket(Icon& g) {
    // At 12 pixels the bracket gets one column, so a clear column still parts it from the pole.
    const double width = g.small() ? 1 : 2, serif = g.small() ? 3 : 4;
    g.fill(1, 1, width, 14, g.c.ink);
    g.fill(1, 1, serif, width, g.c.ink);
    g.fill(1, 14 - width + 1, serif, 14, g.c.ink);
    flag(g, g.small() ? 7 : 6, 14, 1, 7, 14, false);
}

void tickBox(Icon& g, bool ticked) {
    g.box(2, 2, 13, 13, g.c.paper, g.c.ink);
    if (ticked)
        g.polyline({{4.5, 7.5}, {6.5, 10}, {11, 4.5}}, g.c.accent, g.small() ? 1.6 : 2,
                   Qt::RoundCap);
}

// A round badge with a plus, for things that add.
void plusBadge(Icon& g, double x0, double y0, double x1, double y1) {
    g.oval(x0, y0, x1, y1, g.c.accent, g.c.ink);
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    g.line(mx - 1, my, mx + 1, my, g.c.paper);
    g.line(mx, my - 1, mx, my + 1, g.c.paper);
}

void note(Icon& g, double x0, double y0, double stemTop) {
    g.line(x0 + 3, stemTop, x0 + 3, y0 + 1, g.c.ink);
    g.oval(x0, y0, x0 + 3, y0 + 3, g.c.accent, g.c.ink);
    g.polyline({{x0 + 3, stemTop}, {x0 + 5.5, stemTop + 2.5}}, g.c.ink, 1.5, Qt::RoundCap);
}

void circleArrow(Icon& g, double startDegrees, double spanDegrees, bool head) {
    const QRectF ring(g.pt(2.5, 2.5), g.pt(12.5, 12.5));
    QPainterPath arc;
    arc.arcMoveTo(ring, startDegrees);
    arc.arcTo(ring, startDegrees, spanDegrees);
    const double w = g.small() ? 2 : 2.5;
    g.style(QColor(), g.c.ink, w + 2, Qt::FlatCap);
    g.p.drawPath(arc);
    g.style(QColor(), g.c.accent, w, Qt::FlatCap);
    g.p.drawPath(arc);
    if (!head)
        return;
    // The head points along the arc where it ends.
    const QPointF tip = arc.pointAtPercent(1);
    const double a = arc.angleAtPercent(1) * M_PI / 180;
    const QPointF along(std::cos(a), -std::sin(a));
    const QPointF across(-along.y(), along.x());
    const double s = g.small() ? 2.5 : 3.5;
    g.style(g.c.accent, g.c.ink, 1, Qt::FlatCap);
    g.p.drawPolygon(QPolygonF{tip + across * s, tip + along * s, tip - across * s});
}

// --- The icons ----------------------------------------------------------------------------------

void drawOpen(Icon& g) {
    folder(g, 1, 2, 13, 13, true);
}

void drawKeep(Icon& g) {
    disk(g, 1, 1, 14, 14);
}

void drawKeepAs(Icon& g) {
    disk(g, 1, 1, 12, 12);
    if (g.small())
        pencil(g, 6, 11, 10);
    else
        pencil(g, 8, 15, 14);
}

void drawKeepCopy(Icon& g) {
    g.poly({{4, 1}, {12, 1}, {14, 3}, {14, 11}, {4, 11}}, g.light(), g.c.ink);
    disk(g, 1, 4, 11, 14);
}

void drawCut(Icon& g) {
    g.line(5, 10, 11, 1.5, g.c.ink, 1.5, Qt::RoundCap);
    g.line(10, 10, 4, 1.5, g.c.ink, 1.5, Qt::RoundCap);
    for (double x : {1.0, 9.0}) {
        g.oval(x, 9, x + 5, 14, g.c.accent2, g.c.ink);
        g.oval(x + 2, 11, x + 3, 12, g.c.background, QColor());
    }
}

void drawCopy(Icon& g) {
    sheet(g, 1, 1, 9, 10, 0);
    sheet(g, 5, 4, 14, 14, 0);
    textLines(g, 7, 12, {7, 9, 11}, g.c.accent);
}

void drawPaste(Icon& g) {
    g.box(1, 2, 11, 14, g.c.accent, g.c.ink);
    g.box(3, 1, 9, 3, g.c.paper, g.c.ink);
    sheet(g, 6, 6, 14, 15, 0);
    textLines(g, 8, 12, {9, 11}, g.c.accent);
}

void drawInfo(Icon& g) {
    g.oval(1, 1, 14, 14, g.c.accent, g.c.ink);
    if (g.small()) {
        g.px(5, 3, g.c.paper);
        g.px(6, 3, g.c.paper);
        for (int y = 5; y <= 8; ++y) {
            g.px(5, y, g.c.paper);
            g.px(6, y, g.c.paper);
        }
        return;
    }
    g.fill(7, 3, 8, 4, g.c.paper);
    g.fill(7, 6, 8, 11, g.c.paper);
    g.fill(6, 6, 6, 6, g.c.paper);
    g.fill(6, 11, 9, 11, g.c.paper);
}

void drawAdd(Icon& g) {
    g.poly({{6, 1},
            {9, 1},
            {9, 6},
            {14, 6},
            {14, 9},
            {9, 9},
            {9, 14},
            {6, 14},
            {6, 9},
            {1, 9},
            {1, 6},
            {6, 6}},
           g.c.accent, g.c.ink);
}

void drawReset(Icon& g) {
    circleArrow(g, 115, 310, false);
    g.fill(6, 1, 9, 7, g.c.ink);
    g.fill(7, 2, 8, 6, g.c.accent2);
}

void drawFullScreen(Icon& g) {
    const std::array<double, 2> ends{1, 13};
    for (double x : ends)
        for (double y : ends) {
            const double hx = x == 1 ? 1 : 11, vy = y == 1 ? 1 : 11;
            g.fill(hx, y, hx + 3, y + 1, g.c.ink);
            g.fill(x, vy, x + 1, vy + 3, g.c.ink);
        }
    g.box(5, 5, 10, 10, g.c.accent, g.c.ink);
}

void drawScreenshot(Icon& g) {
    g.box(4, 2, 8, 4, g.shade(), g.c.ink);
    g.box(1, 4, 14, 13, g.c.accent, g.c.ink);
    g.oval(5, 6, 10, 11, g.c.paper, g.c.ink);
    g.fill(7, 8, 8, 9, g.c.ink);
    if (!g.small())
        g.fill(12, 6, 12, 6, g.c.paper);
}

void drawBrowse(Icon& g) {
    folder(g, 1, 1, 13, 11, false);
    g.line(12, 12, 14, 14, g.c.ink, 2.2, Qt::RoundCap);
    g.oval(6.5, 6.5, 12.5, 12.5, g.c.paper, g.c.ink, 1.2);
}

void drawAmend(Icon& g) {
    sheet(g, 1, 1, 11, 14);
    if (g.small())
        textLines(g, 3, 6, {4, 7, 10}, g.c.ink);
    else
        textLines(g, 3, 8, {4, 6, 8, 10}, g.c.ink);
    if (g.small())
        pencil(g, 5, 11, 12);
    else
        pencil(g, 7, 15, 16);
}

void drawHandout(Icon& g) {
    // The program's own sign, a small room of steps with two balls and the playing line.
    g.p.save();
    g.style(g.c.ink, g.c.ink);
    g.p.drawRoundedRect(QRectF(g.pt(1, 1), g.pt(14, 14)), 2, 2);
    g.p.restore();
    const std::array<double, 3> cells{3, 7, 11};
    const QColor cell = mix(g.c.ink, g.c.paper, 0.35);
    for (std::size_t row = 0; row < cells.size(); ++row)
        for (std::size_t col = 0; col < cells.size(); ++col) {
            QColor colour = cell;
            if (row == 0 && col == 1)
                colour = g.c.accent;
            else if (row == 2 && col == 0)
                colour = g.c.accent2;
            g.fill(cells[col], cells[row], cells[col] + 1, cells[row] + 1, colour);
        }
}

void drawExit(Icon& g) {
    g.box(1, 1, 9, 14, g.c.paper, g.c.ink);
    g.box(1, 1, 5, 14, g.shade(), g.c.ink);
    g.fill(6, 6, 10, 9, g.c.ink);
    g.poly({{10, 3}, {14.5, 7.5}, {10, 12}}, g.c.accent2, g.c.ink);
    g.fill(6, 7, 11, 8, g.c.accent2);
}

void drawMaximize(Icon& g) {
    window(g, 1, 1, 14, 14);
}

void drawMinimize(Icon& g) {
    g.poly({{5, 1}, {10, 1}, {10, 5}, {12.5, 5}, {7.5, 9.5}, {2.5, 5}, {5, 5}}, g.c.accent,
           g.c.ink);
    g.box(2, 11, 13, 14, g.c.accent, g.c.ink);
}

void drawRestore(Icon& g) {
    window(g, 4, 1, 14, 10);
    window(g, 1, 5, 11, 14);
}

void drawRun(Icon& g) {
    window(g, 1, 1, 14, 14);
    g.poly({{6, 5}, {10, 9}, {6, 13}}, g.c.accent, g.c.accent);
}

void drawKill(Icon& g) {
    window(g, 1, 1, 14, 14);
    g.box(5, 6, 10, 11, g.c.accent2, g.c.accent2);
}

void drawAddFile(Icon& g) {
    sheet(g, 1, 1, 11, 14);
    note(g, 3, 8, 3);
    plusBadge(g, 8, 8, 14, 14);
}

void drawReload(Icon& g) {
    circleArrow(g, 90, -280, true);
}

void drawClear(Icon& g) {
    rimmedLines(g, {QLineF(3.5, 3.5, 11.5, 11.5), QLineF(11.5, 3.5, 3.5, 11.5)}, g.c.accent2, 2.5);
}

void drawSolo(Icon& g) {
    QPainterPath band(QPointF(2.5, 10));
    band.cubicTo(2.5, 0.5, 12.5, 0.5, 12.5, 10);
    g.path(band, QColor(), g.c.ink, g.small() ? 1.5 : 2);
    g.box(1, 8, 4, 14, g.c.accent, g.c.ink);
    g.box(11, 8, 14, 14, g.c.accent, g.c.ink);
}

void drawShutUp(Icon& g) {
    speaker(g);
    const int x0 = g.small() ? 8 : 10, y0 = g.small() ? 4 : 5, n = g.small() ? 3 : 4;
    for (int k = 0; k <= n; ++k) {
        g.px(x0 + k, y0 + k, g.c.accent2);
        g.px(x0 + n - k, y0 + k, g.c.accent2);
    }
    for (int k = 0; k < n && !g.small(); ++k) {
        g.px(x0 + k + 1, y0 + k, g.c.accent2);
        g.px(x0 + n - k - 1, y0 + k, g.c.accent2);
    }
}

void drawRoll(Icon& g) {
    g.poly({{3, 1.5}, {13.5, 7.5}, {3, 13.5}}, g.c.accent, g.c.ink);
}

void drawUp(Icon& g) {
    blockArrow(g, 3);
}
void drawDown(Icon& g) {
    blockArrow(g, 1);
}
void drawLeft(Icon& g) {
    blockArrow(g, 2);
}
void drawRight(Icon& g) {
    blockArrow(g, 0);
}

void drawRandom(Icon& g) {
    g.p.save();
    g.style(g.c.paper, g.c.ink);
    g.p.drawRoundedRect(QRectF(g.pt(1, 1), g.pt(14, 14)), 2, 2);
    g.p.restore();
    // Five at 16 pixels; at 12 a middle pip would touch the others, so four.
    const double near = g.small() ? 4 : 3, far = g.small() ? 10 : 11;
    for (double x : {near, far})
        for (double y : {near, far})
            g.fill(x, y, x + 1, y + 1, g.c.accent);
    if (!g.small())
        g.fill(7, 7, 8, 8, g.c.accent2);
}

void drawColor(Icon& g) {
    const QRectF wheel(g.pt(1, 1), g.pt(14, 14));
    constexpr int kSlices = 6;
    g.p.setPen(Qt::NoPen);
    for (int i = 0; i < kSlices; ++i) {
        g.p.setBrush(QColor::fromHsv(i * 360 / kSlices, 190, 235));
        g.p.drawPie(wheel, (90 + i * 60) * 16, 60 * 16);
    }
    g.oval(1, 1, 14, 14, QColor(), g.c.ink);
    g.oval(5.5, 5.5, 9.5, 9.5, g.c.paper, g.c.ink);
}

void drawPiece(Icon& g) {
    if (g.small()) {
        g.fill(6, 1, 14, 3, g.c.ink);
        g.line(6, 1, 6, 11, g.c.ink);
        g.line(14, 1, 14, 10, g.c.ink);
        g.oval(2, 10, 6, 14, g.c.accent, g.c.ink);
        g.oval(10, 9, 14, 12.5, g.c.accent, g.c.ink);
        return;
    }
    g.fill(5, 1, 13, 2, g.c.ink);
    g.line(5, 1, 5, 11, g.c.ink);
    g.line(13, 1, 13, 10, g.c.ink);
    g.oval(1, 10, 5, 13, g.c.accent, g.c.ink);
    g.oval(9, 9, 13, 12, g.c.accent, g.c.ink);
}

void drawNew(Icon& g) {
    sheet(g, 1, 3, 11, 14, 0);
    // A sparkle over the top corner, set off from the sheet by a ring of background.
    const double cx = 11, cy = 4, arm = g.small() ? 2 : 3;
    g.fill(cx - 2, cy - 2, cx + 2, cy + 2, g.c.background);
    g.fill(cx - arm, cy, cx + arm, cy, g.c.accent);
    g.fill(cx, cy - arm, cx, cy + arm, g.c.accent);
    g.fill(cx - 1, cy - 1, cx + 1, cy + 1, g.c.accent);
    g.fill(cx, cy, cx, cy, g.c.paper);
}

void drawCar(Icon& g) {
    const QRectF dial(g.pt(1, 3), g.pt(14, 16));
    g.style(g.c.paper, g.c.ink);
    g.p.drawChord(dial, -25 * 16, 230 * 16);
    if (!g.small())
        for (int degrees : {180, 135, 90, 45, 0}) {
            const double a = degrees * M_PI / 180;
            const QPointF dir(std::cos(a), -std::sin(a));
            g.style(QColor(), g.c.ink, 1, Qt::FlatCap);
            g.p.drawLine(dial.center() + dir * 4.3, dial.center() + dir * 6.0);
        }
    const double a = 50 * M_PI / 180;
    g.style(QColor(), g.c.accent2, g.small() ? 1.5 : 2, Qt::RoundCap);
    g.p.drawLine(dial.center(),
                 dial.center() + QPointF(std::cos(a), -std::sin(a)) * dial.width() * 0.36);
    g.oval(6, 8, 9, 11, g.c.accent, g.c.ink);
}

void drawPan(Icon& g) {
    g.fill(3, 7, 12, 8, g.c.ink);
    g.poly({{1, 7}, {4, 4}, {4, 11}, {1, 8}}, g.c.ink, g.c.ink);
    g.poly({{14, 7}, {11, 4}, {11, 11}, {14, 8}}, g.c.ink, g.c.ink);
    if (g.small())
        g.fill(7, 3, 8, 12, g.c.accent);
    else
        g.box(6, 3, 9, 12, g.c.accent, g.c.ink);
}

void drawTick(Icon& g) {
    g.poly({{6, 1}, {9, 1}, {13, 14}, {2, 14}}, g.c.accent, g.c.ink);
    g.line(7.5, 12, 11.5, 3, g.c.ink, 1.3, Qt::RoundCap);
    g.box(9, 6, 11, 8, g.c.accent2, g.c.ink);
    g.fill(3, 12, 12, 12, g.c.ink);
}

void drawStart(Icon& g) {
    flagWithBracket(g);
}

void drawEnd(Icon& g) {
    g.p.save();
    g.p.translate(g.at(15), 0);
    g.p.scale(-1, 1);
    flagWithBracket(g);
    g.p.restore();
}

void drawFlag(Icon& g) {
    flag(g, 3, 14, 1, 9, 14, true);
}

void drawTicked(Icon& g) {
    tickBox(g, true);
}
void drawUnticked(Icon& g) {
    tickBox(g, false);
}

void drawHide(Icon& g) {
    QPainterPath eye(QPointF(1, 7.5));
    eye.quadTo(7.5, -2.5, 14, 7.5);
    eye.quadTo(7.5, 17.5, 1, 7.5);
    g.path(eye, g.c.paper, g.c.ink, 1.2);
    g.oval(5, 5, 10, 10, g.c.accent, g.c.ink);
    g.fill(7, 7, 8, 8, g.c.ink);
    g.line(2, 14, 13, 3, g.c.background, 3, Qt::FlatCap);
    g.line(2, 14, 13, 3, g.c.accent2, 1.5, Qt::RoundCap);
}

void drawPerpetuate(Icon& g) {
    sheet(g, 6, 1, 14, 14);
    g.fill(1, 6, 1, 9, g.c.accent);
    g.fill(3, 3, 3, 12, g.c.accent);
    g.fill(5, 5, 5, 10, g.c.accent);
    g.poly({{8, 5}, {11, 8}, {11, 8}, {8, 11}}, g.c.accent, g.c.accent);
}

struct Glyph {
    const char* name;
    void (*draw)(Icon&);
};

constexpr std::array<Glyph, 45> kGlyphs{{
    {"Open", drawOpen},
    {"Keep", drawKeep},
    {"Keep As", drawKeepAs},
    {"Keep a Copy", drawKeepCopy},
    {"Cut", drawCut},
    {"Copy", drawCopy},
    {"Paste", drawPaste},
    {"Info", drawInfo},
    {"Add", drawAdd},
    {"Reset", drawReset},
    {"Full Screen", drawFullScreen},
    {"Screenshot", drawScreenshot},
    {"Browse", drawBrowse},
    {"Amend", drawAmend},
    {"Handout", drawHandout},
    {"Exit", drawExit},
    {"Maximize", drawMaximize},
    {"Minimize", drawMinimize},
    {"Restore", drawRestore},
    {"Run", drawRun},
    {"Kill", drawKill},
    {"Add File", drawAddFile},
    {"Reload", drawReload},
    {"Clear", drawClear},
    {"Solo", drawSolo},
    {"Shut Up", drawShutUp},
    {"Roll", drawRoll},
    {"Up", drawUp},
    {"Down", drawDown},
    {"Left", drawLeft},
    {"Right", drawRight},
    {"Random", drawRandom},
    {"Color", drawColor},
    {"Piece", drawPiece},
    {"New", drawNew},
    {"Car", drawCar},
    {"Pan", drawPan},
    {"Tick", drawTick},
    {"Start", drawStart},
    {"End", drawEnd},
    {"Flag", drawFlag},
    {"Ticked", drawTicked},
    {"Unticked", drawUnticked},
    {"Hide", drawHide},
    {"Perpetuate", drawPerpetuate},
}};

} // namespace

QImage DrawMenuIcon(const QString& name, int size, const IconPalette& palette) {
    for (const Glyph& glyph : kGlyphs)
        if (name == QLatin1String(glyph.name)) {
            QImage image(size, size, QImage::Format_RGB32);
            image.fill(palette.background);
            Icon icon(image, palette);
            glyph.draw(icon);
            return image;
        }
    return {};
}
