// The program: the command line, joined to the window for the forms that open it.
#include "app/ProgramSession.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return RunGlorinbax(argc, argv, [](const WindowRequest& request) {
        const SessionMode mode = request.quit ? SessionMode::Quit : SessionMode::Interactive;
        return RunWindowProgram(QString::fromStdString(request.exeName),
                                QString::fromStdString(request.file), mode) == ProgramEnd::Closed;
    });
}
