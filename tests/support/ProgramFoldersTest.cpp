#include "support/ProgramFolders.h"
#include "common/FileBytes.h"
#include "common/TempDir.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

// Sets XDG_DATA_HOME for the test and gives the old value back.
class DataHome {
public:
    explicit DataHome(const QString& path) : m_old(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", path.toUtf8());
    }
    ~DataHome() { qputenv("XDG_DATA_HOME", m_old); }

private:
    QByteArray m_old;
};

TEST(ProgramFoldersTest, APortableFolderKeepsItsDataAndAnInstalledOneUsesTheUsersDataHome) {
    TempDir home;
    const DataHome data(home.path() + "share");
    const ProgramFolders portable = ProgramFolders::ForExecutable("/opt/gbx/glorinbax", true);
    EXPECT_EQ(portable.dataFolder, "/opt/gbx/data/");
    EXPECT_EQ(portable.settingsFile, "/opt/gbx/data/glorinbax.ini");

    const ProgramFolders installed = ProgramFolders::ForExecutable("/usr/lib/gbx/glorinbax", false);
    EXPECT_EQ(installed.dataFolder, home.path() + "share/glorinbax/");
    EXPECT_EQ(installed.settingsFile, home.path() + "share/glorinbax/glorinbax.ini");
    EXPECT_EQ(installed.nomenclaturePrefix, home.path() + "share/glorinbax/parlance/nomenclature_");
    EXPECT_EQ(installed.shippedDataFolder, "/usr/lib/gbx/data/");
    EXPECT_EQ(installed.defaultInteriorFolder, "/usr/lib/gbx/interior/Default/")
        << "the styles stay with the program";
}

TEST(ProgramFoldersTest, AFolderStillToBeMadeInAWritablePlaceIsPortable) {
    TempDir dir;
    const DataHome data(dir.path() + "share");
    EXPECT_EQ(ProgramFolders::ForExecutable(dir.file("not/yet/glorinbax")).dataFolder,
              dir.file("not/yet/data/"));
}

TEST(ProgramFoldersTest, SeedingCopiesWhatTheUserLacksAndKeepsWhatTheUserHas) {
    TempDir program;
    TempDir home;
    faultlog::SetFolder(home.path());
    const DataHome data(home.path());
    WriteFile(program.file("data/parlance/nomenclature_en.txt"), "shipped");
    WriteFile(program.file("data/demo/demo.skw"), "demo");
    QFile::setPermissions(program.file("data/demo/demo.skw"), QFile::ReadOwner);
    WriteFile(home.file("glorinbax/parlance/nomenclature_en.txt"), "the user's own");
    const ProgramFolders folders = ProgramFolders::ForExecutable(program.file("glorinbax"), false);

    SeedDataFolder(folders);
    EXPECT_EQ(ReadAll(folders.dataFolder + "parlance/nomenclature_en.txt"), "the user's own");
    EXPECT_EQ(ReadAll(folders.dataFolder + "demo/demo.skw"), "demo");
    EXPECT_TRUE(QFile::permissions(folders.dataFolder + "demo/demo.skw") & QFile::WriteOwner);
}

} // namespace
