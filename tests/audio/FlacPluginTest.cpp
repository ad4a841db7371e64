// The FLAC plug-in's four tries and the report line when all fail.
#include "AudioTestSupport.h"

#include "audio/LibraryStartup.h"

#include <QDir>
#include <QFile>

using namespace audiotest;

namespace {

class FlacPlugin : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        QDir().mkpath(program);
        QDir().mkpath(other);
    }
    // Puts the real plug-in at a path.
    void place(const QString& path) {
        ASSERT_TRUE(QFile::copy(ProgramFile("libgbxaudioflac.so"), path));
    }

    const QString program = file("program/");
    const QString other = file("other/");
};

TEST_F(FlacPlugin, LoadsFromTheGivenPath) {
    place(other + "myflac.so");
    const FlacPluginResult result = LoadFlacPlugin(other + "myflac.so", program);
    EXPECT_NE(result.handle, 0u);
    EXPECT_EQ(result.path, other + "myflac.so");
    EXPECT_TRUE(reports().empty());
}

TEST_F(FlacPlugin, TriesTheProgramFolderWithTheGivenNameThenTheBareName) {
    place(program + "myflac.so");
    EXPECT_EQ(LoadFlacPlugin(other + "myflac.so", program).path, program + "myflac.so");
    Bass().BASS_PluginFree(0);
    QFile::remove(program + "myflac.so");
    place(program + kFlacPluginBareName);
    const FlacPluginResult result = LoadFlacPlugin(other + "myflac.so", program);
    EXPECT_NE(result.handle, 0u);
    EXPECT_EQ(result.path, program + kFlacPluginBareName);
}

TEST_F(FlacPlugin, TriesTheBareNameInTheGivenFolderLast) {
    place(other + kFlacPluginBareName);
    const FlacPluginResult result = LoadFlacPlugin(other + "myflac.so", program);
    EXPECT_NE(result.handle, 0u);
    EXPECT_EQ(result.path, other + kFlacPluginBareName);
}

TEST_F(FlacPlugin, ReportsTheLastPathOnlyWhenEveryTryFailed) {
    const FlacPluginResult result = LoadFlacPlugin(other + "myflac.so", program);
    EXPECT_EQ(result.handle, 0u);
    EXPECT_EQ(result.path, other + kFlacPluginBareName);
    const std::vector<ReportLine> lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, '"' + other + kFlacPluginBareName + '"');
    EXPECT_EQ(lines[0].text, "BASS_PluginLoad BASS_ERROR_FILEOPEN");
    EXPECT_TRUE(lines[0].isError);
}

TEST_F(FlacPlugin, BareNameElsewhereTriesOnlyTheProgramFolder) {
    // A file that is no plug-in fails as unsupported and counts as a failed try too.
    QFile junk(other + kFlacPluginBareName);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    place(program + kFlacPluginBareName);
    const FlacPluginResult result = LoadFlacPlugin(other + kFlacPluginBareName, program);
    EXPECT_NE(result.handle, 0u);
    EXPECT_EQ(result.path, program + kFlacPluginBareName);

    EXPECT_EQ(LoadFlacPlugin(QString(), program).handle, 0u); // no plug-in wanted
    EXPECT_TRUE(reports().empty());
}

} // namespace
