// The binary plan reader on any bytes.
#include "FuzzInput.h"
#include "model/Arrangement.h"
#include "planfile/BinaryPlanReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Arrangement arrangement;
    ReadBinaryPlan(arrangement, FuzzBytes(data, size), PlanReadContext{});
    return 0;
}
