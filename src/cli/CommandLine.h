// The program's command line: headless forms for scripts and tests, else the window.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Exit codes of the headless forms.
enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitBadArguments = 2 };

// The forms that open the window: on a plan or sound file (empty for a new plan), and for --quit
// closing again at once, asking nothing.
struct WindowRequest {
    std::string exeName;
    std::string file;
    bool quit = false;
};
// Runs the window; false when start-up was halted. The executable supplies it, so that the
// command line links no window library.
using WindowRunner = std::function<bool(const WindowRequest&)>;

int RunGlorinbax(int argc, char** argv, const WindowRunner& runWindow);

// Every form, given the arguments after the program name.
int RunCommandLine(const std::string& exeName, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err, const WindowRunner& runWindow);
