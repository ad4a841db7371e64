#include "cli/CommandLine.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sstream>

namespace {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

CliResult runCli(const std::vector<std::string>& args,
                 const std::string& exe = "/nowhere/glorinbax") {
    std::ostringstream out, err;
    const int code = RunCommandLine(exe, args, out, err);
    return {code, out.str(), err.str()};
}

TEST(CommandLine, EvalPrintsValueValidityAndErrorText) {
    EXPECT_EQ(runCli({"--eval", "1/3*3"}).out, "0.999999999\nvalid\n\n");
    EXPECT_EQ(runCli({"--eval", "2^3", "--as", "ext"}).out, "8\nvalid\n\n");
    EXPECT_EQ(runCli({"--eval", "pi"}).out, "3.141592654\nvalid\n\n");
    EXPECT_EQ(runCli({"--eval", "2.5", "--as", "int"}).out, "2\nvalid\n\n");
    EXPECT_EQ(runCli({"--eval", "2^40", "--as", "int64"}).out, "1099511627776\nvalid\n\n");
    const CliResult bad = runCli({"--eval", "(1+2", "--as", "int"});
    EXPECT_EQ(bad.code, kExitOk);
    EXPECT_EQ(bad.out, "0\ninvalid\n<missing brackets>\n");
}

TEST(CommandLine, BadArgumentsGiveUsageAndCodeTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--eval"},
             {"--eval", "1", "--as", "float"},
             {"--eval", "1", "--to", "int"},
             {"--bogus"},
             {"--version", "extra"},
             {"--quit", "a", "b"},
             {"--convert", "in.skw", "out.skw", "--format", "wav"},
             {"--convert", "", "out.skw", "--format", "text"},
             {"--convert", "in.skw", "", "--format", "text"}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.code, kExitBadArguments) << args[0];
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

TEST(CommandLine, QuitWithoutTheEngineBesideTheProgramHaltsWithTheLoadersMessage) {
    TempDir dir;
    testing::internal::CaptureStderr();
    const CliResult r = runCli({"--quit"}, dir.file("glorinbax").toStdString());
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r.code, kExitFailed);
    EXPECT_NE(r.err.find("halted"), std::string::npos) << r.err;
    EXPECT_NE(
        printed.find("BASS_Handle = 0; FilePath = " + dir.file("libgbxaudio.so").toStdString()),
        std::string::npos)
        << printed;
    QFile file(dir.file("data/glorinbax.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the settings are released, fresh";
    EXPECT_FALSE(file.readAll().contains("HandoutShown=1")) << "a halt saves nothing else";
}

TEST(CommandLine, DumpAndConvertWorkOnPlanFilesAndFailClearly) {
    TempDir dir;
    const std::string exe = dir.file("glorinbax").toStdString();
    const std::string plan = dir.file("balls.skw").toStdString();
    {
        QFile file(QString::fromStdString(plan));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[0]\r\nX=4\r\nY=0\r\n");
    }
    const CliResult dump = runCli({"--dump", plan}, exe);
    EXPECT_EQ(dump.code, kExitOk) << dump.err;
    EXPECT_NE(dump.out.find("X=4\r\n"), std::string::npos);

    const std::string binary = dir.file("plan.skw").toStdString();
    EXPECT_EQ(runCli({"--convert", plan, binary, "--format", "binary"}, exe).code, kExitOk);
    EXPECT_EQ(runCli({"--dump", binary}, exe).out, dump.out);

    const std::string missing = dir.file("missing.skw").toStdString();
    const CliResult unreadable = runCli({"--dump", missing}, exe);
    EXPECT_EQ(unreadable.code, kExitFailed);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_NE(unreadable.err.find("missing.skw"), std::string::npos);
    const std::string out = dir.file("out.skw").toStdString();
    EXPECT_EQ(runCli({"--convert", missing, out, "--format", "text"}, exe).code, kExitFailed);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
    const CliResult unwritable = runCli(
        {"--convert", plan, dir.file("no/folder/out.skw").toStdString(), "--format", "text"}, exe);
    EXPECT_EQ(unwritable.code, kExitFailed);
    EXPECT_NE(unwritable.err.find("glorinbax: "), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.file("data/glorinbax.ini"))) << "scripts change no settings";
}

} // namespace
