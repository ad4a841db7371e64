// A file named on the command line that is no plan at all: the program says so and never
// writes over it.
#include "ProgramFolderFixture.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

class NoPlanAtStartUp : public ProgramFolderFixture {};

TEST_F(NoPlanAtStartUp, AFileThatIsNoPlanIsReportedAndNeverWrittenOver) {
    const QString photo = dir.file("holiday.skw");
    const QByteArray bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01[exif]\nmake=camera\n", 32);
    WriteFile(photo, bytes);
    WriteFile(folders.settingsFile, "[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=0\n");
    {
        ProgramSession session(options(photo));
        ASSERT_FALSE(session.Halted());
        TThePlan& plan = session.Model().plan;
        EXPECT_EQ(plan.LoadMessages, Text(198));
        EXPECT_TRUE(plan.Untitled);

        // Ended without questions, the changes are kept, but never as or beside the file.
        plan.SetModified(64, true);
        session.EndWithoutQuestions();
    }
    EXPECT_EQ(ReadAll(photo), bytes);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.skw"}, QDir::Files), QStringList{"holiday.skw"});
}

} // namespace
