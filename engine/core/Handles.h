// Handles of channels, syncs and plug-ins: one number space, never reused within a run.
#pragma once

#include "EngineHost.h"

namespace gbxaudio {

Handle newHandle();

} // namespace gbxaudio
