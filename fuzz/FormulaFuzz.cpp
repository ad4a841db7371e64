// The formula evaluator on any text, directly and through each kind of formula value.
#include "support/Formula.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    EvaluateFormula(text);
    TFormulaInt{text};
    TFormulaInt64{text};
    TFormulaExt{text};
    return 0;
}
