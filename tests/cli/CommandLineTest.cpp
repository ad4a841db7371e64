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

// Stands in for the window the executable joins to the command line, recording its requests.
struct WindowRequests {
    WindowRunner runner() {
        return [this](const WindowRequest& request) {
            made.push_back(request);
            return !halts;
        };
    }
    std::vector<WindowRequest> made;
    bool halts = false;
};

CliResult runCli(const std::vector<std::string>& args,
                 const std::string& exe = "/nowhere/glorinbax", WindowRequests* window = nullptr) {
    WindowRequests none;
    std::ostringstream out, err;
    const int code = RunCommandLine(exe, args, out, err, (window ? *window : none).runner());
    EXPECT_TRUE(window || none.made.empty()) << "a headless form opened the window";
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
             {"a.skw", "b.skw"},
             {"--convert", "in.skw", "out.skw", "--format", "wav"},
             {"--convert", "", "out.skw", "--format", "text"},
             {"--convert", "in.skw", "", "--format", "text"}}) {
        WindowRequests window;
        const CliResult r = runCli(args, "/nowhere/glorinbax", &window);
        EXPECT_EQ(r.code, kExitBadArguments) << args[0];
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
        EXPECT_TRUE(window.made.empty()) << args[0];
    }
}

TEST(CommandLine, TheWindowFormsAskTheWindowAndAHaltFailsWithCodeOne) {
    WindowRequests window;
    EXPECT_EQ(runCli({}, "/p/glorinbax", &window).code, kExitOk);
    EXPECT_EQ(runCli({"plan.skw"}, "/p/glorinbax", &window).code, kExitOk);
    EXPECT_EQ(runCli({"--quit", "plan.skw"}, "/p/glorinbax", &window).code, kExitOk);
    ASSERT_EQ(window.made.size(), 3u);
    EXPECT_EQ(window.made[0].exeName, "/p/glorinbax");
    EXPECT_EQ(window.made[0].file, "");
    EXPECT_FALSE(window.made[0].quit);
    EXPECT_EQ(window.made[1].file, "plan.skw");
    EXPECT_FALSE(window.made[1].quit);
    EXPECT_EQ(window.made[2].file, "plan.skw");
    EXPECT_TRUE(window.made[2].quit);

    window.halts = true;
    const CliResult halted = runCli({"--quit"}, "/p/glorinbax", &window);
    EXPECT_EQ(halted.code, kExitFailed);
    EXPECT_NE(halted.err.find("halted"), std::string::npos) << halted.err;
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

// A file that is no plan must not dump as a default plan nor convert, least of all onto itself.
TEST(CommandLine, FilesThatAreNoPlansFailToDumpAndConvert) {
    TempDir dir;
    const std::string exe = dir.file("glorinbax").toStdString();
    const QString junk = dir.file("holiday.jpg");
    const QByteArray photo("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01[x]\nsky=blue\n");
    {
        QFile file(junk);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(photo);
    }
    const CliResult dump = runCli({"--dump", junk.toStdString()}, exe);
    EXPECT_EQ(dump.code, kExitFailed);
    EXPECT_EQ(dump.out, "");
    EXPECT_NE(dump.err.find("holiday.jpg"), std::string::npos) << dump.err;
    const CliResult convert =
        runCli({"--convert", junk.toStdString(), junk.toStdString(), "--format", "text"}, exe);
    EXPECT_EQ(convert.code, kExitFailed);
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), photo);
}

} // namespace
