// The program's command line: headless forms for scripts and tests, else the window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes of the headless forms.
enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitBadArguments = 2 };

int RunGlorinbax(int argc, char** argv);

// The headless forms, given the arguments after the program name.
int RunCommandLine(const std::string& exeName, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err);
