#include "LastError.h"

namespace gbxaudio {

namespace {
thread_local int t_lastError = BASS_OK;
}

void setLastError(int code) {
    t_lastError = code;
}

int lastError() {
    return t_lastError;
}

} // namespace gbxaudio
