#include "controls/Interior.h"
#include "common/TempDir.h"
#include "controls/ControlFakes.h"
#include "controls/RulerFont.h"
#include "support/Report.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace {

class InteriorTest : public ::testing::Test {
protected:
    void writeStyle(const QString& name, const QByteArray& config, bool withRoom) {
        const QString folder = dir.path() + "interior/" + name + "/";
        QDir().mkpath(folder);
        QFile file(folder + "config.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(config);
        if (withRoom) {
            QImage room(20, 20, QImage::Format_RGB32);
            room.fill(Qt::red);
            ASSERT_TRUE(room.save(folder + "Room.bmp"));
        }
    }
    ControlMaker maker(const QString& name) {
        return [this, name](TCtrlList& list) -> TCtrl& {
            return list.Create<RecordingControl>(name, journal);
        };
    }
    std::unique_ptr<TTheInterior> make(const InteriorSettings& settings,
                                       ControlMakers makers = {}) {
        return std::make_unique<TTheInterior>(host, settings, dir.path(), QString(), makers);
    }

    TempDir dir;
    FakeHost host;
    std::vector<QString> journal;
};

TEST_F(InteriorTest, ControlsAreMadeInOrderWithTheirVisibilityAndTheMetersAsSet) {
    InteriorSettings settings;
    settings.rulerVisible = false;
    settings.menuTriggerVisible = false;
    settings.rightMeter = false;
    ControlMakers makers{
        maker("ruler"), maker("trigger"), maker("room"), {}, maker("lanes"), {}, {}};
    const auto interior = make(settings, makers);
    ASSERT_EQ(interior->TheCtrls.Count(), 4);
    EXPECT_EQ(interior->Ruler, &interior->TheCtrls.Items(0));
    EXPECT_EQ(interior->Lanes, &interior->TheCtrls.Items(3));
    EXPECT_EQ(interior->Watch, nullptr);
    EXPECT_FALSE(interior->Ruler->Visible);
    EXPECT_FALSE(interior->MenuTrigger->Visible);
    EXPECT_TRUE(interior->MeterL);
    EXPECT_FALSE(interior->MeterR);
    EXPECT_EQ(journal, (std::vector<QString>{"ruler:hidden", "lanes:shown"}));

    journal.clear();
    interior->ResizeAll();
    interior->PresentAll();
    EXPECT_EQ(journal, (std::vector<QString>{"ruler:resize", "trigger:resize", "room:resize",
                                             "lanes:resize", "ruler:present", "trigger:present",
                                             "room:present", "lanes:present"}));
}

TEST_F(InteriorTest, AStyleWithoutConfigOrBitmapsGivesTheBuiltInValues) {
    QDir().mkpath(dir.path() + "interior/Bare");
    InteriorSettings settings;
    settings.styleNames = {"Bare", ""};
    EXPECT_EQ(StyleFolderFor(settings.styleNames, 1, "/p/"), "/p/interior/Default/");
    EXPECT_EQ(StyleFolderFor(settings.styleNames, 2, "/p/"), "/p/interior/Default/");
    const auto interior = make(settings);
    interior->LoadStyle();
    EXPECT_EQ(interior->StyleFolder(), dir.path() + "interior/Bare/");
    EXPECT_TRUE(interior->Style() == StyleTables{});
    for (const QString& name : ControlBitmapNames())
        EXPECT_TRUE(interior->Bitmaps().Image(name).isNull()) << name.toStdString();
}

TEST_F(InteriorTest, ChoosingAnotherStyleStartsFromTheBuiltInValuesAndItsOwnBitmaps) {
    writeStyle("Veggy", "[Line]\nLine=010203\n[Ruler]\nText=040506\n", true);
    writeStyle("Cosmic", "[Ruler]\nText=0A0B0C\n", false);
    InteriorSettings settings;
    settings.styleNames = {"Default", "Cosmic", "Veggy"};
    settings.selectedStyle = 2;
    const auto interior = make(settings);
    interior->LoadStyle();
    EXPECT_EQ(interior->Style().Line.Line, RgbColour(1, 2, 3));
    EXPECT_EQ(interior->Bitmaps().Image("Room.bmp").pixel(5, 5), qRgb(255, 0, 0));

    interior->SelectStyle(1);
    EXPECT_EQ(interior->StyleFolder(), dir.path() + "interior/Cosmic/");
    EXPECT_EQ(interior->Style().Line.Line, StyleTables{}.Line.Line);
    EXPECT_EQ(interior->Style().Ruler.Text, RgbColour(10, 11, 12));
    EXPECT_TRUE(interior->Bitmaps().Image("Room.bmp").isNull());
    EXPECT_EQ(host.relayouts, 1);
}

TEST_F(InteriorTest, AMissingStyleFolderGivesWayToTheFirstStyleThereAndTheReportSaysSoOnce) {
    reportqueue::SetAccepting(true);
    reportqueue::TakeAll();
    writeStyle("Default", "[Ruler]\nText=0A0B0C\n", false);
    InteriorSettings settings;
    settings.styleNames = {"Cosmic", "Default", "Veggy"};
    settings.selectedStyle = 2;
    const auto interior = make(settings);
    interior->LoadStyle();
    interior->LoadStyle();
    EXPECT_EQ(interior->StyleFolder(), dir.path() + "interior/Default/");
    EXPECT_EQ(interior->Style().Ruler.Text, RgbColour(10, 11, 12));
    EXPECT_EQ(interior->SelectedInteriorStyle(), 2) << "the choice stays for when it arrives";
    std::vector<ReportLine> lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, '"' + dir.path() + "interior/Veggy/\"");
    EXPECT_EQ(lines[0].text, "Veggy → Default");
    EXPECT_FALSE(lines[0].isError);

    interior->SelectStyle(0); // missing as well
    EXPECT_EQ(interior->StyleFolder(), dir.path() + "interior/Default/");
    lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "Cosmic → Default");
    interior->SelectStyle(1);
    EXPECT_TRUE(reportqueue::TakeAll().empty()) << "a style that is there goes without a word";
    reportqueue::SetAccepting(false);
}

TEST_F(InteriorTest, DimmingForADialogIsImmediateAndUndimmingIsAnimated) {
    const auto interior = make({}, {maker("ruler"), {}, maker("room"), {}, {}, {}, {}});
    interior->SetDimmed(true);
    EXPECT_TRUE(interior->Ruler->Dimmed);
    EXPECT_TRUE(interior->Room->Dimmed);
    EXPECT_EQ(interior->Surfaces.DimAlpha, kDimmedAlpha);
    EXPECT_EQ(host.repaints, std::vector<bool>{false});
    interior->SetDimmed(false);
    EXPECT_EQ(host.dims, std::vector<bool>{false});
}

TEST(MenuIconTest, TheIconSizeChoosesTheFolderAndTwelveTakesTheTwelvePixelSet) {
    EXPECT_EQ(MenuIconFolder("/s/", 0, 16), "");
    EXPECT_EQ(MenuIconFolder("/s/", 16, 12), "/s/");
    EXPECT_EQ(MenuIconFolder("/s/", -1, 14), "/s/12 px/");
    EXPECT_EQ(MenuIconFolder("/s/", -1, 15), "/s/");
    TempDir dir;
    QDir().mkpath(dir.path() + "12 px");
    QImage icon(12, 12, QImage::Format_RGB32);
    icon.fill(Qt::blue);
    ASSERT_TRUE(icon.save(dir.path() + "12 px/Open.bmp"));
    NamedImages icons(MenuIconNames());
    icons.Load(MenuIconFolder(dir.path(), 12, 16));
    EXPECT_EQ(icons.Image("Open.bmp").size(), QSize(12, 12));
    icons.Load(MenuIconFolder(dir.path(), 16, 16));
    EXPECT_TRUE(icons.Image("Open.bmp").isNull());
}

TEST(RulerFontTest, AFontFileGivesItsFamilyAndAMissingOneTheSystemSans) {
    const QString system = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    EXPECT_EQ(RulerFontFamily("interior\\Default\\none.ttf", "/nowhere/"), system);
    const QString dejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!QFile::exists(dejaVu))
        GTEST_SKIP() << "no DejaVu font installed";
    EXPECT_EQ(RulerFontFamily("DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/"),
              "DejaVu Sans");
}

} // namespace
