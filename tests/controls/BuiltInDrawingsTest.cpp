#include "controls/BuiltInDrawings.h"
#include "controls/DrawingSurfaces.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

QImage drawn(int width, int height, const std::function<void(QPainter&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    draw(painter);
    return image;
}

constexpr QRgb kGrid = qRgb(229, 229, 229);

TEST(BuiltInDrawingsTest, PlainCellsAreWhiteOr251WithGridLinesOnTheRightAndBottom) {
    const QImage odd = drawn(20, 20, [](QPainter& p) { DrawPlainCell(p, 0, 0, false); });
    const QImage even = drawn(20, 20, [](QPainter& p) { DrawPlainCell(p, 0, 0, true); });
    EXPECT_EQ(odd.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(odd.pixel(18, 18), qRgb(255, 255, 255));
    EXPECT_EQ(even.pixel(0, 0), qRgb(251, 251, 251));
    EXPECT_EQ(even.pixel(18, 18), qRgb(251, 251, 251));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(odd.pixel(19, i), kGrid) << i;
        EXPECT_EQ(even.pixel(i, 19), kGrid) << i;
    }
}

TEST(BuiltInDrawingsTest, ABallDotIsFourteenPixelsInItsColourWithAWhiteEightPixelDot) {
    const QRgb lane = qRgb(200, 0, 0);
    const QImage image = drawn(20, 20, [](QPainter& p) {
        DrawBallDot(p, {9, 9}, RgbColour(200, 0, 0));
    });
    // Across the middle row: black, 3 in the lane's colour, 8 white, 3 in colour, black.
    QString row;
    for (int x = 1; x <= 16; ++x)
        row += image.pixel(x, 9) == lane                  ? '#'
               : image.pixel(x, 9) == qRgb(255, 255, 255) ? 'o'
                                                          : '.';
    EXPECT_EQ(row, ".###oooooooo###.");
    EXPECT_EQ(image.pixel(9, 2), lane);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0)); // a round dot leaves its corners alone
}

// The generator draws the installed Default style with the same code.
TEST(ShippedStyleTest, TheDefaultStyleBitmapsLookLikeTheBuiltInDrawings) {
    const QString folder = GBX_PROGRAM_DIR "/interior/Default/";
    const std::vector<std::pair<QString, std::function<void(QPainter&)>>> expected = {
        {"Room.bmp", [](QPainter& p) { DrawPlainCell(p, 0, 0, false); }},
        {"Room_Alt.bmp", [](QPainter& p) { DrawPlainCell(p, 0, 0, true); }},
        {"Ruler.bmp", [](QPainter& p) { DrawRulerCell(p, 0, 0, false, kRulerTickColour); }},
        {"Ruler_Alt.bmp", [](QPainter& p) { DrawRulerCell(p, 0, 0, true, kRulerTickColour); }},
    };
    for (const auto& [name, draw] : expected) {
        QImage installed(folder + name);
        ASSERT_FALSE(installed.isNull()) << name.toStdString();
        EXPECT_EQ(installed.convertToFormat(QImage::Format_RGB32), drawn(20, 20, draw))
            << name.toStdString();
    }
}

} // namespace
