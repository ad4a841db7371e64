// A plan file's bytes as opening one reads them: recognised, decoded, then read in whichever
// text form (or the binary one) they are.
#include "FuzzInput.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Arrangement arrangement;
    ReadPlanImage(arrangement, FuzzBytes(data, size), PlanReadContext{});
    return 0;
}
