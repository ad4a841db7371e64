// The shipped styles as the build installs them: every file a control or a menu asks for, at the
// size it draws, and configurations that name only known keys.
#include "controls/BuiltInDrawings.h"
#include "controls/CarrierGlyphs.h"
#include "controls/NamedImages.h"
#include "controls/RulerFont.h"
#include "controls/StyleConfig.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/WatchGlyphs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include <functional>
#include <map>

namespace {

const QString kInterior = GBX_PROGRAM_DIR "/interior/";

// The size each control bitmap is drawn at; the rest are cells.
QSize expectedSize(const QString& file) {
    static const std::map<QString, QSize> sizes{
        {"Lane.bmp", {TTheLaneStrip::kWidth, TTheLaneStrip::kRowHeight}},
        {"Watch.bmp", {kWatchWidth, kWatchHeight}},
        {"Watch_Digits.bmp", {kGlyphWidth * kGlyphCount, kGlyphHeight}},
        {"Carrier.bmp", {TTheCarrier::kWidth, TTheCarrier::kHeight}},
        {"Carrier_Alt.bmp", {TTheCarrier::kWidth, TTheCarrier::kHeight}},
        {"Carrier_Down.bmp", {TTheCarrier::kWidth, TTheCarrier::kHeight}}};
    const auto found = sizes.find(file);
    return found == sizes.end() ? QSize(kCellSize, kCellSize) : found->second;
}

class ShippedStyles : public ::testing::TestWithParam<QString> {
protected:
    QString folder() const { return kInterior + GetParam() + '/'; }
};

INSTANTIATE_TEST_SUITE_P(EveryStyle, ShippedStyles, ::testing::Values("Default", "Cosmic", "Veggy"),
                         [](const auto& info) { return info.param.toStdString(); });

TEST_P(ShippedStyles, EveryBitmapAndIconIsThereAtTheSizeItIsDrawn) {
    for (const QString& file : ControlBitmapNames()) {
        const QImage image(folder() + file);
        ASSERT_FALSE(image.isNull()) << file.toStdString();
        EXPECT_EQ(image.size(), expectedSize(file)) << file.toStdString();
    }
    for (const QString& file : MenuIconNames()) {
        EXPECT_EQ(QImage(folder() + file).size(), QSize(16, 16)) << file.toStdString();
        EXPECT_EQ(QImage(folder() + "12 px/" + file).size(), QSize(12, 12)) << file.toStdString();
    }
}

TEST_P(ShippedStyles, BallsAreSaturatedOnTheirMasksSoThatALaneCanTintThem) {
    for (const auto& [ball, centre] : {std::pair{QString("Ball"), QPoint(9, 9)},
                                       {QString("Ball_Alt"), QPoint(9, 9)},
                                       {QString("Lane_Ball"), QPoint(10, 9)}}) {
        const QImage picture(folder() + ball + ".bmp");
        const QImage mask(folder() + QString(ball).replace("Ball", "Ball_Mask") + ".bmp");
        ASSERT_EQ(picture.size(), mask.size()) << ball.toStdString();
        int tinted = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qGray(mask.pixel(x, y)) == 0 && picture.pixelColor(x, y).hsvSaturation() > 0)
                    ++tinted;
        EXPECT_GT(tinted, 40) << ball.toStdString() << ": too little of it takes the lane's hue";
        EXPECT_EQ(qGray(mask.pixel(0, 0)), 255) << "the cell's corner stays the room's";
        EXPECT_EQ(picture.pixelColor(centre).hsvSaturation(), 0)
            << ball.toStdString() << ": the highlight keeps its colour on every lane";
    }
}

TEST_P(ShippedStyles, TheConfigurationNamesOnlyKeysTheReaderKnows) {
    QFile file(folder() + "config.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    const StyleTables tables = ReadStyleConfig(lines);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('['))
            continue;
        bool known = false;
        for (const char* value : {"=123456", "=654321", "=77", "=0", "=1"}) {
            QStringList changed = lines;
            changed[i] = line.section('=', 0, 0) + value;
            known = known || !(ReadStyleConfig(changed) == tables);
        }
        EXPECT_TRUE(known) << line.toStdString();
    }
}

// Default draws what the controls draw without a style, button by button for the carrier.
TEST(ShippedDefaultStyle, TheWatchAndCarrierPicturesAreTheBuiltInDrawings) {
    const QString folder = kInterior + "Default/";
    const auto drawn = [](QSize size, const std::function<void(QPainter&)>& draw) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        draw(painter);
        return image;
    };
    const auto installed = [&](const char* file) {
        return QImage(folder + file).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(installed("Watch_Digits.bmp"), BuiltInDigitStrip());
    EXPECT_EQ(installed("Watch.bmp"), drawn({kWatchWidth, kWatchHeight}, [](QPainter& p) {
                  DrawBuiltInWatchBackground(p, QPoint(0, 0));
              }));
    const CarrierStyle style;
    const QSize size(TTheCarrier::kWidth, TTheCarrier::kHeight);
    const auto carrier = [&](const CarrierLook& look) {
        return drawn(size, [&](QPainter& p) {
            DrawBuiltInCarrier(p, QPoint(0, 0), size, style, RgbColour(180, 180, 180), look);
        });
    };
    EXPECT_EQ(installed("Carrier.bmp"), carrier({}));
    const QImage pressed = installed("Carrier_Down.bmp");
    const QImage lit = installed("Carrier_Alt.bmp");
    for (const CarrierButton button : kCarrierButtons) {
        const QRect box = StyleButtonBox(style, button);
        EXPECT_EQ(pressed.copy(box), carrier({false, false, button}).copy(box));
        // Roll and Pause light up.
        if (button == CarrierButton::Roll || button == CarrierButton::Pause) {
            EXPECT_EQ(lit.copy(box), carrier({true, true, CarrierButton::None}).copy(box));
        }
    }
}

TEST(ShippedRulerFont, TheDefaultStyleCarriesAFontOfItsOwnWithItsLicence) {
    const QString family =
        RulerFontFamily("interior/Default/glorinbax-ruler.ttf", GBX_PROGRAM_DIR "/");
    EXPECT_EQ(family, "DejaVu Sans Mono");
    EXPECT_TRUE(QFile::exists(kInterior + "Default/glorinbax-ruler-licence.txt"));
}

} // namespace
