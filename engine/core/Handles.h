// Handles of channels, syncs and plug-ins: one number space, never reused within a run.
#pragma once

#include "EngineHost.h"

namespace gbxaudio {

// Any thread, the mixing thread and syncs included: lock-free and never allocates.
Handle newHandle();

} // namespace gbxaudio
