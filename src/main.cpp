// The program: everything lives in the libraries; this only hands over the arguments.
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return RunGlorinbax(argc, argv);
}
