// Loading the engine libraries: failure texts, version checks and their questions.
#include "AudioTestSupport.h"

#include "audio/LibraryStartup.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QFile>
#include <QFileInfo>

using namespace audiotest;

namespace {

// Answers the questions in order and records them.
struct ScriptedQuestions {
    explicit ScriptedQuestions(std::vector<LoadAnswer> script) : answers(std::move(script)) {}

    std::vector<LoadAnswer> answers;
    QStringList asked;
    QStringList stops;

    LoadQuestions questions() {
        return {[this](const QString& text) {
                    asked << text;
                    const LoadAnswer answer = answers.at(static_cast<size_t>(asked.size() - 1));
                    return answer;
                },
                [this](const QString& text) { stops << text; }};
    }
};

// Each test starts with nothing loaded and leaves the real engine loaded for the others.
class Loader : public ::testing::Test {
protected:
    void SetUp() override {
        LoadEngine();
        UnloadBassMixLibrary();
        UnloadBassLibrary();
    }
    void TearDown() override {
        UnloadBassMixLibrary();
        UnloadBassLibrary();
        QString error;
        ASSERT_TRUE(LoadBassLibrary(ProgramFile("libgbxaudio.so"), error));
        ASSERT_TRUE(LoadBassMixLibrary(ProgramFile("libgbxaudiomix.so"), error));
    }
    TempDir dir;
};

TEST_F(Loader, MissingFileAndMissingCallsAreTextsAndNothingStaysLoaded) {
    QString error;
    const QString missing = dir.file("nowhere/libgbxaudio.so");
    EXPECT_FALSE(LoadBassLibrary(missing, error));
    EXPECT_EQ(error, "BASS_Handle = 0; FilePath = " + missing);
    EXPECT_FALSE(BassLoaded());

    // The plug-in is a library, but none of the engine's calls is in it.
    const QString plugin = ProgramFile("libgbxaudioflac.so");
    EXPECT_FALSE(LoadBassLibrary(plugin, error));
    EXPECT_EQ(error, "wrong linking; FilePath = " + plugin);
    EXPECT_FALSE(BassLoaded());
    EXPECT_EQ(Bass().BASS_GetVersion, nullptr);
    EXPECT_FALSE(LoadBassMixLibrary(plugin, error));
    EXPECT_EQ(error, "wrong linking; FilePath = " + plugin);
    // Without its own calls the mixer's table stays empty: a roll cannot call into nothing.
    EXPECT_EQ(BassMix().BASS_Mixer_StreamCreate, nullptr);
}

TEST_F(Loader, LoadsEveryCallOnceAndAcceptsItsVersion) {
    QString error;
    ASSERT_TRUE(LoadBassLibrary(ProgramFile("libgbxaudio.so"), error)) << error.toStdString();
    ASSERT_TRUE(LoadBassMixLibrary(ProgramFile("libgbxaudiomix.so"), error));
    EXPECT_TRUE(VersionAccepted(Bass().BASS_GetVersion()));
    EXPECT_TRUE(VersionAccepted(BassMix().BASS_Mixer_GetVersion()));
    EXPECT_NE(Bass().BASS_ChannelGetData, nullptr);
    EXPECT_NE(BassMix().BASS_Mixer_ChannelGetPosition, nullptr);
    // Already loaded: another path is not even looked at.
    EXPECT_TRUE(LoadBassLibrary(dir.file("other.so"), error));
    // The thread's last error by its name.
    EXPECT_EQ(Bass().BASS_StreamFree(12345), FALSE);
    EXPECT_EQ(BassErrorName(), "BASS_ERROR_HANDLE");
}

TEST_F(Loader, FailedLoadAsksWithTheLoaderTextRetriesAndIgnores) {
    ScriptedQuestions script{{LoadAnswer::Retry, LoadAnswer::Ignore}};
    const QString missing = dir.file("libgbxaudio.so");
    EXPECT_EQ(LoadBassDLL(missing, true, script.questions()), LoadOutcome::Ignored);
    ASSERT_EQ(script.asked.size(), 2);
    EXPECT_EQ(script.asked[0], Text(99) + "\nBASS_Handle = 0; FilePath = " + missing);
    EXPECT_FALSE(Text(99).isEmpty());

    ScriptedQuestions abort{{LoadAnswer::Abort}};
    EXPECT_EQ(LoadBassDLL(missing, false, abort.questions()), LoadOutcome::Halt);

    // Retry after the file appeared loads it.
    ScriptedQuestions retry{{LoadAnswer::Retry}};
    int asked = 0;
    LoadQuestions copying = retry.questions();
    const auto ask = copying.abortRetryIgnore;
    copying.abortRetryIgnore = [&](const QString& text) {
        ++asked;
        QFile::copy(ProgramFile("libgbxaudio.so"), missing);
        return ask(text);
    };
    EXPECT_EQ(LoadBassDLL(missing, true, copying), LoadOutcome::Loaded);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(BassLoaded());
}

TEST_F(Loader, WrongVersionAsksAndIgnoringItTwiceHalts) {
    const QString old = QStringLiteral(GBX_OLD_ENGINE);
    const QString text = FormatText(98, {QFileInfo(old).fileName().toUpper()});
    ASSERT_TRUE(text.contains(QFileInfo(old).fileName().toUpper()));

    ScriptedQuestions ignore{{LoadAnswer::Ignore}};
    EXPECT_EQ(LoadBassDLL(old, true, ignore.questions()), LoadOutcome::Halt);
    EXPECT_EQ(ignore.asked, QStringList{text});
    EXPECT_EQ(ignore.stops, QStringList{text});
    EXPECT_FALSE(BassLoaded());

    // Abort halts at start-up; later (reloading) it gives the library up.
    ScriptedQuestions abort{{LoadAnswer::Abort}};
    EXPECT_EQ(LoadBassDLL(old, true, abort.questions()), LoadOutcome::Halt);
    ScriptedQuestions later{{LoadAnswer::Abort}};
    EXPECT_EQ(LoadBassDLL(old, false, later.questions()), LoadOutcome::Ignored);
    EXPECT_FALSE(BassLoaded());

    ScriptedQuestions retry{{LoadAnswer::Retry, LoadAnswer::Retry, LoadAnswer::Abort}};
    EXPECT_EQ(LoadBassDLL(old, true, retry.questions()), LoadOutcome::Halt);
    EXPECT_EQ(retry.asked.size(), 3);
}

TEST_F(Loader, MixerLibraryIsAskedForWhenMissingOrOld) {
    QString error;
    ASSERT_TRUE(LoadBassLibrary(ProgramFile("libgbxaudio.so"), error));
    ScriptedQuestions missing{{LoadAnswer::Ignore}};
    const QString nowhere = dir.file("libgbxaudiomix.so");
    EXPECT_EQ(LoadBassMixDLL(nowhere, missing.questions()), LoadOutcome::Ignored);
    EXPECT_EQ(missing.asked, QStringList{Text(99) + "\nBASS_Handle = 0; FilePath = " + nowhere});
    EXPECT_FALSE(BassMixLoaded());

    ScriptedQuestions old{{LoadAnswer::Abort}};
    EXPECT_EQ(LoadBassMixDLL(QStringLiteral(GBX_OLD_ENGINE), old.questions()), LoadOutcome::Halt);
    EXPECT_EQ(old.asked.size(), 1);
}

TEST(HeadlessQuestions, AbortWithTheTextOnStandardError) {
    const LoadQuestions questions = HeadlessLoadQuestions();
    testing::internal::CaptureStderr();
    EXPECT_EQ(questions.abortRetryIgnore("cannot load it"), LoadAnswer::Abort);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot load it\n");
}

} // namespace
