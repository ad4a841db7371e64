// The language files' escapes on any entry, with every text reference answered by an entry that
// holds escapes itself (which must not be expanded again).
#include "FuzzInput.h"
#include "texts/EscapeLanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ExpandReferences(FuzzText(data, size),
                     [](int n) { return QStringLiteral("%%1 %&x %#65 text ") + QString::number(n); });
    return 0;
}
