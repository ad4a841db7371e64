#include "HandoutLogos.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

const QColor kInk(0x2b, 0x2f, 0x3a);
const QColor kCell(0x44, 0x4a, 0x58);
const QColor kLine(0xff, 0x8c, 0x1a);
const QColor kBrand(0x1f, 0x7a, 0x74);
const std::array<QColor, 4> kBallColours{QColor(0xe0, 0x4f, 0x5f), QColor(0x4f, 0xa3, 0xe0),
                                         QColor(0x6c, 0xc0, 0x4a), QColor(0xf2, 0xc1, 0x2e)};

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont boldFont(int pixels, qreal letterSpacing = 0) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

} // namespace

namespace {

constexpr int kSignSize = 56;

// The sign on a square of kSignSize units: a little room of four lanes of four steps, one ball
// per lane, the line passing step three.
void paintSign(QPainter& p) {
    constexpr int kCells = 4;
    constexpr int kCellSize = 11;
    constexpr int kInset = 6;
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(0, 0, kSignSize, kSignSize), 9, 9);
    const std::array<int, kCells> ballStep{0, 2, 1, 3};
    for (int lane = 0; lane < kCells; ++lane)
        for (int step = 0; step < kCells; ++step) {
            const QRectF cell(kInset + step * kCellSize, kInset + lane * kCellSize, kCellSize - 1,
                              kCellSize - 1);
            p.setBrush(kCell);
            p.drawRect(cell);
            if (ballStep[lane] == step) {
                p.setBrush(kBallColours[lane]);
                p.drawEllipse(cell.adjusted(1.5, 1.5, -1.5, -1.5));
            }
        }
    p.setBrush(kLine);
    p.drawRect(QRectF(kInset + 2.5 * kCellSize - 1, 3, 2, kSignSize - 6));
}

} // namespace

QImage ProgramSign() {
    QImage image = whiteImage(kSignSize, kSignSize);
    QPainter p(&image);
    paintSign(p);
    return image;
}

QImage ApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / double(kSignSize), size / double(kSignSize));
    paintSign(p);
    return image;
}

QImage ProgramNameLogo() {
    QImage image = whiteImage(150, 34);
    QPainter p(&image);
    smooth(p);
    p.setFont(boldFont(24));
    p.setPen(kInk);
    p.drawText(QRect(0, 0, 150, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Glorinbax"));
    // The balls under the name, in the lanes' colours.
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kBallColours.size(); ++i) {
        p.setBrush(kBallColours[i]);
        p.drawEllipse(QRectF(2 + 9.0 * static_cast<double>(i), 28, 5, 5));
    }
    return image;
}

QImage MakerBrand() {
    QImage image = whiteImage(120, 40);
    QPainter p(&image);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    // The maker's mark: a rounded bar with a notch, and its name beside it.
    QPainterPath mark;
    mark.addRoundedRect(QRectF(0, 8, 22, 22), 5, 5);
    QPainterPath notch;
    notch.addEllipse(QRectF(7, 15, 8, 8));
    p.drawPath(mark.subtracted(notch));
    p.setFont(boldFont(15, 1.5));
    p.setPen(kBrand);
    p.drawText(QRect(28, 0, 92, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TESSMOR"));
    return image;
}
