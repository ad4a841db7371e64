#include "app/ProgramIcon.h"

#include <gtest/gtest.h>

TEST(ProgramIcon, ComesFromTheProgramFolderInEverySizeDrawn) {
    const QIcon icon = ProgramIcon(QStringLiteral(GBX_PROGRAM_DIR "/"));
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    EXPECT_EQ(icon.pixmap(48).size(), QSize(48, 48));
}
