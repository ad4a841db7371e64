// The calling thread's last error code, and the guard every exported call runs inside.
#pragma once

#include "gbxaudio.h"

#include <new>

namespace gbxaudio {

void setLastError(int code);
int lastError();

// Sets the code and returns `result`, for one-line failures.
template <class T> T fail(int code, T result) {
    setLastError(code);
    return result;
}

// Runs an exported call: no exception leaves the library; running out of memory is
// BASS_ERROR_MEM, anything else BASS_ERROR_UNKNOWN.
template <class F, class T> T guarded(T failure, F&& call) noexcept {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        setLastError(BASS_ERROR_MEM);
    } catch (...) {
        setLastError(BASS_ERROR_UNKNOWN);
    }
    return failure;
}

} // namespace gbxaudio
