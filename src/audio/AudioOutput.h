// The audio output: the selected device, the buffer length and whether the engine runs.
#pragma once

#include "support/Formula.h"

#include <cstdint>

// UI thread only; the engine refuses BASS_Init and BASS_Free on its own threads.
class AudioOutput {
public:
    static constexpr int kDefaultDevice = -1;
    static constexpr int kNoSound = 0;

    // The selected device: -1 the system default, 0 no sound, 1.. the system's devices. A failed
    // start on a chosen device selects the default one, which the settings then keep.
    int Device = kDefaultDevice;
    // Output buffer in milliseconds; an invalid formula gives 0 and the engine clamps it.
    TFormulaInt BufferMs{int32_t{1000}};

    // Starts the output at `rate` frames per second on the selected device, falling back to the
    // default device (report line 306, or 308 when that fails too). Without any device the
    // "no sound" output is started, so that sounds can still be measured and rendered.
    bool InitBass(uint32_t rate);
    // Closes the output and frees every stream.
    void FreeBass();
    void ApplyBassBuffer();
    bool Initialised() const { return m_initialised; }

private:
    bool m_initialised = false;
};
