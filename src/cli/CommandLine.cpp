// Dispatches the headless forms; anything else opens the window.
#include "cli/CommandLine.h"

#include "cli/EvalCommand.h"
#include "cli/HeadlessProgram.h"
#include "cli/PlanCommands.h"
#include "cli/RenderCommand.h"

#include <QFileInfo>

#include <iostream>

namespace {

const char* const kUsage = "usage: glorinbax [FILE]\n"
                           "       glorinbax --version\n"
                           "       glorinbax --eval EXPR [--as int|int64|ext]\n"
                           "       glorinbax --dump PLAN\n"
                           "       glorinbax --convert IN OUT --format binary|text|balls\n"
                           "       " GBX_RENDER_USAGE "\n"
                           "       glorinbax --quit [FILE]\n";

int badArguments(std::ostream& err, const std::string& why) {
    err << "glorinbax: " << why << "\n" << kUsage;
    return kExitBadArguments;
}

int runEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // --eval EXPR [--as KIND]
    if (args.size() != 2 && args.size() != 4)
        return badArguments(err, "--eval takes one expression and an optional --as");
    std::string kind = "ext";
    if (args.size() == 4) {
        if (args[2] != "--as")
            return badArguments(err, "unexpected argument '" + args[2] + "'");
        kind = args[3];
    }
    if (!PrintFormula(args[1], kind, out))
        return badArguments(err, "--as takes int, int64 or ext, not '" + kind + "'");
    return kExitOk;
}

// The window on a plan, a sound file or a new plan; the engine's own questions explain a halt.
int openWindow(const WindowRunner& runWindow, const WindowRequest& request, std::ostream& err) {
    if (!runWindow(request)) {
        err << "glorinbax: start-up was halted\n";
        return kExitFailed;
    }
    return kExitOk;
}

int runQuit(const std::string& exeName, const std::vector<std::string>& args, std::ostream& err,
            const WindowRunner& runWindow) {
    if (args.size() > 2)
        return badArguments(err, "--quit takes at most one file");
    return openWindow(runWindow, {exeName, args.size() == 2 ? args[1] : std::string(), true}, err);
}

PlanFileSettings planSettings(const std::string& exeName) {
    return {StartForScript(QString::fromStdString(exeName)).defaultResourcesFolder};
}

int runDump(const std::string& exeName, const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err) {
    if (args.size() != 2)
        return badArguments(err, "--dump takes one plan file");
    return DumpPlan(QString::fromStdString(args[1]), out, err, planSettings(exeName));
}

int runConvert(const std::string& exeName, const std::vector<std::string>& args,
               std::ostream& err) {
    // --convert IN OUT --format FORMAT
    if (args.size() != 5 || args[3] != "--format")
        return badArguments(err, "--convert takes IN OUT --format binary|text|balls");
    const std::optional<int32_t> format = PlanFormatForWord(QString::fromStdString(args[4]));
    if (!format)
        return badArguments(err, "--format takes binary, text or balls");
    if (args[1].empty() || args[2].empty())
        return badArguments(err, "--convert takes a plan to read and a file to write");
    return ConvertPlan(QString::fromStdString(args[1]), QString::fromStdString(args[2]), *format,
                       err, planSettings(exeName));
}

} // namespace

int RunCommandLine(const std::string& exeName, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err, const WindowRunner& runWindow) {
    if (args.empty())
        return openWindow(runWindow, {exeName, std::string(), false}, err);
    const std::string& form = args[0];
    if (form == "--help" || form == "-h") {
        out << kUsage;
        return kExitOk;
    }
    if (form == "--version") {
        if (args.size() != 1)
            return badArguments(err, "--version takes no arguments");
        out << "Glorinbax " << GBX_VERSION << "\n";
        return kExitOk;
    }
    if (form == "--eval")
        return runEval(args, out, err);
    if (form == "--dump")
        return runDump(exeName, args, out, err);
    if (form == "--convert")
        return runConvert(exeName, args, err);
    if (form == "--render")
        return RunRenderCommand(exeName, args, out, err);
    if (form == "--quit")
        return runQuit(exeName, args, err, runWindow);
    if (form.rfind('-', 0) == 0)
        return badArguments(err, "unknown argument '" + form + "'");
    if (args.size() != 1)
        return badArguments(err, "the window takes at most one file");
    return openWindow(runWindow, {exeName, form, false}, err);
}

int RunGlorinbax(int argc, char** argv, const WindowRunner& runWindow) {
    const std::string exeName = QFileInfo("/proc/self/exe").canonicalFilePath().toStdString();
    return RunCommandLine(exeName, std::vector<std::string>(argv + 1, argv + argc), std::cout,
                          std::cerr, runWindow);
}
