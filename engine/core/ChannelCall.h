// The shape of every exported call on one channel: the handle looked up, an unknown one refused.
#pragma once

#include "Engine.h"
#include "LastError.h"

#include <memory>

namespace gbxaudio {

using SharedChannel = std::shared_ptr<Channel>;

// Runs `call` with the channel a handle names, inside `guarded`; a handle that names no channel
// (or one already freed) sets BASS_ERROR_HANDLE and returns `failure`. Any thread.
template <class T, class F> T onChannel(DWORD handle, T failure, F&& call) noexcept {
    return guarded(failure, [&]() -> T {
        const SharedChannel channel = Engine::instance().channel(handle);
        if (!channel)
            return fail(BASS_ERROR_HANDLE, failure);
        return call(channel);
    });
}

} // namespace gbxaudio
