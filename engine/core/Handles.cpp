#include "Handles.h"

#include <atomic>

namespace gbxaudio {

Handle newHandle() {
    static std::atomic<Handle> next{1};
    Handle handle = next.fetch_add(1);
    while (handle == 0) // after wrapping round
        handle = next.fetch_add(1);
    return handle;
}

} // namespace gbxaudio
