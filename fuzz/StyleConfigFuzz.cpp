// A style's config.ini on any text.
#include "FuzzInput.h"
#include "controls/StyleConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadStyleConfig(FuzzText(data, size).split(QLatin1Char('\n')));
    return 0;
}
