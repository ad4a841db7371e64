// Writes the demo plan and its sound files. Usage: gbx_demogen <output folder>
#include "demogen/DemoWriter.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gbx_demogen <output folder>\n");
        return 2;
    }
    const QString fault = WriteDemo(QString::fromLocal8Bit(argv[1]));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "gbx_demogen: %s\n", qPrintable(fault));
        return 1;
    }
    return 0;
}
