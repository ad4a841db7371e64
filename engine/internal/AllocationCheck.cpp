// Debug builds: the library's own operator new refuses to run inside a no-allocation scope.
// The version script keeps these definitions local to the library. Sanitizer builds bring
// their own allocator and go without the check.
#include "AllocationGuard.h"

#if !defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

void* checkedAllocation(std::size_t size) {
    if (gbxaudio::noAllocationDepth() > 0) {
        std::fputs("gbxaudio: memory allocated inside the mixing loop\n", stderr);
        std::abort();
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return checkedAllocation(size);
}

void* operator new[](std::size_t size) {
    return checkedAllocation(size);
}

#endif
