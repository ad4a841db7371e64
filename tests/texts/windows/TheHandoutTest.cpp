#include "texts/windows/TheHandout.h"
#include "texts/LanguageFiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTest>
#include <QUrl>

namespace {

class TheHandoutTest : public ::testing::Test, public ParlanceFixture {
protected:
    TheHandoutTest() {
        for (const QString code : {"en", "xx"}) {
            write("instructions_" + code + ".txt", numberedLines("i", parlance::kCommandCount));
            write("nomenclature_" + code + ".txt", numberedLines(code, parlance::kTextCount));
        }
        write("handout_en.txt", {"English handout"});
        load("Languages=English,Test\nLanguageCodes=en,xx\nSelectedLanguage=1\n");
    }
    void makeHandout(const QString& interiorFolder = QString()) {
        handout = std::make_unique<TTheHandout>(
            nullptr, interiorFolder, [this](const QUrl& address) { opened.push_back(address); });
    }
    // Shown and then hidden, as the user sees it once.
    QString shownText() {
        handout->Switch();
        const QString text = handout->Text();
        handout->Switch();
        return text;
    }

    std::unique_ptr<TTheHandout> handout;
    std::vector<QUrl> opened;
};

TEST_F(TheHandoutTest, ALanguageWithoutAHandoutShowsTheEnglishOne) {
    makeHandout();
    EXPECT_TRUE(shownText().startsWith("English handout")) << shownText().toStdString();
    EXPECT_EQ(handout->windowTitle(), "xx244");
    EXPECT_EQ(handout->size(), QSize(500, 400));
}

TEST_F(TheHandoutTest, TheTextIsReadAgainOnlyAfterALanguageSwitch) {
    makeHandout();
    EXPECT_TRUE(shownText().startsWith("English handout"));
    write("handout_xx.txt", {"Test handout"});
    EXPECT_TRUE(shownText().startsWith("English handout")) << "kept from the first showing";
    ASSERT_TRUE(SelectLanguage(1));
    handout->LanguageSwitched();
    EXPECT_TRUE(shownText().startsWith("Test handout"));

    write("handout_xx.txt", {"Other handout"});
    handout->Switch();
    handout->LanguageSwitched();
    EXPECT_TRUE(handout->Text().startsWith("Other handout")) << "a shown handout changes at once";
}

TEST_F(TheHandoutTest, AnyKeyOrClickClosesItButTheAddressOpensTheMakersPage) {
    makeHandout();
    handout->Switch();
    QTest::keyClick(handout.get(), Qt::Key_Q);
    EXPECT_FALSE(handout->isVisible());
    handout->Switch();
    QTest::mouseClick(handout.get(), Qt::LeftButton, {}, QPoint(250, 100));
    EXPECT_FALSE(handout->isVisible());

    handout->Switch();
    QLabel* address = nullptr;
    for (QLabel* label : handout->findChildren<QLabel*>())
        if (label->cursor().shape() == Qt::PointingHandCursor)
            address = label;
    ASSERT_NE(address, nullptr);
    QTest::mouseClick(address, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_EQ(opened[0].host() + opened[0].path(), address->text());
    EXPECT_TRUE(handout->isVisible()) << "the page opens beside the handout";
}

TEST_F(TheHandoutTest, TheLogosAreDrawnWhereTheyBelongAndAMissingOneIsLogged) {
    QImage sign(8, 8, QImage::Format_RGB32);
    sign.fill(Qt::red);
    ASSERT_TRUE(sign.save(dir.file("Glorinbax S.bmp"), "BMP"));
    makeHandout(dir.path());
    handout->Switch();
    const QImage shown = handout->grab().toImage();
    EXPECT_EQ(shown.pixelColor(26, 193), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(0x89, 0x89, 0x89)) << "the frame";
    EXPECT_EQ(shown.pixelColor(26, 258), QColor(Qt::white)) << "no picture there";
    EXPECT_TRUE(faultLog().contains("Tessmor Brand.bmp"));
}

} // namespace
