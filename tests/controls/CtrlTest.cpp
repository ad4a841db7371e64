#include "controls/ControlFakes.h"
#include "controls/DrawingSurfaces.h"
#include "model/Colour.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

class CtrlTest : public ::testing::Test {
protected:
    CtrlTest() {
        surfaces.GrowTo(60, 40, Qt::white);
        control.Buffer = QImage(8, 6, QImage::Format_RGB32);
        control.Buffer.fill(QColor(200, 100, 50));
    }
    QColor at(int x, int y) const { return surfaces.CompositionBitmap.pixelColor(x, y); }

    FakeHost host;
    DrawingSurfaces surfaces;
    std::vector<QString> journal; // outlives the controls, which note their end
    TCtrlList list{host, surfaces};
    RecordingControl& control = list.Create<RecordingControl>("c", journal, TRect{10, 20, 30, 30});
};

TEST_F(CtrlTest, PaintCopiesTheBufferAtTheTopLeftAndDimmedAt153ItIsDarkerOnlyThere) {
    control.Dimmed = true; // at alpha 255 this looks undimmed
    control.Paint();
    EXPECT_EQ(at(10, 20), QColor(200, 100, 50));
    EXPECT_EQ(at(17, 25), QColor(200, 100, 50));
    EXPECT_EQ(at(18, 25), QColor(Qt::white));
    EXPECT_EQ(at(17, 26), QColor(Qt::white));

    surfaces.DimAlpha = kDimmedAlpha;
    control.Paint();
    EXPECT_NEAR(at(12, 22).red(), 120, 1);
    EXPECT_NEAR(at(12, 22).green(), 60, 1);
    EXPECT_NEAR(at(12, 22).blue(), 30, 1);
    EXPECT_EQ(at(18, 22), QColor(Qt::white));
    EXPECT_EQ(at(9, 22), QColor(Qt::white));
}

// A screen of scale 2: the images have two device pixels to a window pixel, and a dimmed control
// lands, darkened, on exactly its doubled bounds.
TEST_F(CtrlTest, AtScaleTwoTheImagesDoubleAndADimmedControlCoversItsDoubledBounds) {
    surfaces.GrowTo(60, 40, Qt::white, 2);
    ASSERT_EQ(surfaces.CompositionBitmap.size(), QSize(120, 80));
    EXPECT_EQ(surfaces.CompositionBitmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(surfaces.ScratchBitmap.size(), QSize(120, 80));
    EXPECT_EQ(surfaces.DeviceRect(QRect(10, 20, 8, 6)), QRect(20, 40, 16, 12));

    control.Dimmed = true;
    surfaces.DimAlpha = kDimmedAlpha;
    control.Paint();
    EXPECT_NEAR(at(20, 40).red(), 120, 1);
    EXPECT_NEAR(at(35, 51).red(), 120, 1);
    EXPECT_EQ(at(36, 51), QColor(Qt::white));
    EXPECT_EQ(at(35, 52), QColor(Qt::white));
    EXPECT_EQ(at(19, 40), QColor(Qt::white));

    // Back at scale 1 the images start afresh at the window's size.
    surfaces.GrowTo(60, 40, Qt::white);
    EXPECT_EQ(surfaces.CompositionBitmap.size(), QSize(60, 40));
    EXPECT_EQ(at(12, 22), QColor(Qt::white));
}

TEST_F(CtrlTest, PresentCopiesJustTheBoundsAndOnlyWhenVisible) {
    control.Present();
    control.SetVisible(false);
    control.Present();
    EXPECT_EQ(host.copied, std::vector<QRect>{QRect(10, 20, 20, 10)});
}

TEST_F(CtrlTest, DimmedColoursScaleEachChannelAndKeepTheFourthByte) {
    EXPECT_EQ(DimmedColour(0x12000000u | RgbColour(255, 128, 1), kDimmedAlpha),
              0x12000000u | RgbColour(153, 77, 1));
    QPainter painter(&surfaces.CompositionBitmap);
    control.SetBrushColor(painter, RgbColour(250, 100, 5));
    EXPECT_EQ(painter.brush().color(), QColor(250, 100, 5));
    control.Dimmed = true;
    surfaces.DimAlpha = kDimmedAlpha;
    control.SetBrushColor(painter, RgbColour(250, 100, 5));
    control.SetPenColor(painter, RgbColour(255, 0, 255));
    EXPECT_EQ(painter.brush().color(), QColor(150, 60, 3));
    EXPECT_EQ(painter.pen().color(), QColor(153, 0, 153));
}

TEST_F(CtrlTest, ExcludeFromKeepsLaterDrawingOutOfTheBounds) {
    QPainter painter(&surfaces.CompositionBitmap);
    control.ExcludeFrom(painter);
    painter.fillRect(0, 0, 60, 40, Qt::black);
    painter.end();
    EXPECT_EQ(at(10, 20), QColor(Qt::white));
    EXPECT_EQ(at(29, 29), QColor(Qt::white));
    EXPECT_EQ(at(30, 29), QColor(Qt::black));
}

TEST(CtrlListTest, DestroysItsControlsFromTheLastToTheFirst) {
    FakeHost host;
    DrawingSurfaces surfaces;
    std::vector<QString> journal;
    {
        TCtrlList list(host, surfaces);
        for (const char* name : {"a", "b", "c"})
            list.Create<RecordingControl>(name, journal);
    }
    EXPECT_EQ(journal, (std::vector<QString>{"c:destroyed", "b:destroyed", "a:destroyed"}));
}

} // namespace
