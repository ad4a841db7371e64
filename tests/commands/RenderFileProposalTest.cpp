// The file the render dialog proposes, from the remembered render and the plan.
#include "InstructorFixture.h"
#include "commands/RenderCommands.h"

namespace {

class RenderFileProposal : public InstructorFixture {
protected:
    QString proposed(const QString& perpetuator) {
        TWideMemIniFile settings(QString{});
        settings.SetText("[Perpetuator]\n" + perpetuator);
        return ProposedRenderFile(settings, plan, dir.file("home"));
    }
};

TEST_F(RenderFileProposal, TheRememberedFolderWhileItExistsWithThePlansNameOrHandle) {
    plan.Untitled = true;
    plan.FileName = "Untitled";
    EXPECT_EQ(proposed(""), dir.file("home/Untitled.wav")) << "a plan never saved";

    ASSERT_TRUE(QDir(dir.path()).mkpath("renders"));
    plan.Untitled = false;
    plan.FileName = dir.file("plans/song.v2.skw");
    EXPECT_EQ(proposed(""), dir.file("plans/song.v2.wav"));
    const QString last = "FilePath=" + dir.file("renders/old.mp3") + "\n";
    EXPECT_EQ(proposed(last), dir.file("renders/song.v2.wav"));
    EXPECT_EQ(proposed(last + "RememberFolder=0\n"), dir.file("plans/song.v2.wav"));
    EXPECT_EQ(proposed("FilePath=" + dir.file("gone/old.mp3") + "\n"),
              dir.file("plans/song.v2.wav"))
        << "a remembered folder that is gone";
    EXPECT_EQ(proposed(last + "RememberFileName=1\n"), dir.file("renders/old.mp3"));

    plan.Master.Handle = "Side A/B";
    EXPECT_EQ(proposed("UsePlanHandle=1\n"), dir.file("plans/Side A_B.wav"))
        << "a handle leads into no other folder";
    plan.Master.Handle.clear();
    EXPECT_EQ(proposed("UsePlanHandle=1\n"), dir.file("plans/song.v2.wav"));
}

} // namespace
