// An otherwise empty program folder with the engine libraries beside the program, as the build
// places them, for the tests that run the whole program.
#pragma once

#include "app/ProgramSession.h"
#include "common/FileBytes.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <memory>

inline void LinkEngineInto(const TempDir& programFolder) {
    for (const char* name : {"libgbxaudio.so", "libgbxaudiomix.so", "libgbxaudioflac.so"})
        ASSERT_TRUE(
            QFile::link(QStringLiteral(GBX_PROGRAM_DIR "/") + name, programFolder.file(name)));
}

// A copy of the build's whole program folder without the files a run leaves in data/ (settings,
// fault log), so that a run of the copy starts from the fresh settings.
inline void CopyProgramFolder(const TempDir& to) {
    const QDir from(QStringLiteral(GBX_PROGRAM_DIR));
    QDirIterator files(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = from.relativeFilePath(files.next());
        if (QFileInfo(relative).path() == QLatin1String("data"))
            continue;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(to.file(relative)).path()));
        ASSERT_TRUE(QFile::copy(from.filePath(relative), to.file(relative)))
            << relative.toStdString();
    }
}

class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(LinkEngineInto(dir)); }
    SessionOptions options(const QString& file = QString()) const {
        return {folders, file, SessionMode::Quit};
    }

    TempDir dir;
    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
};

// The program running from the folder, closed as the user would when the test ends.
class SessionFixture : public ProgramFolderFixture {
protected:
    // Gone before the test's own parts, which the session may hold.
    void TearDown() override {
        if (session)
            session->Close();
        session.reset();
    }
    // On the "no sound" device and not rolling at start-up; `moreSettings` follow.
    void startSession(const SessionOptions& run, const QByteArray& moreSettings = {}) {
        WriteFile(folders.settingsFile,
                  "[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=0\n" + moreSettings);
        session = std::make_unique<ProgramSession>(run);
        ASSERT_FALSE(session->Halted());
    }

    std::unique_ptr<ProgramSession> session;
};
