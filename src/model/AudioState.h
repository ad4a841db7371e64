// What the audio side keeps with a piece or a lane, opaque to the model.
#pragma once

// The channels started from a piece, or the channels sounding in a lane. The audio side
// creates and changes them under the mixer lock; the model frees them with their owner, which
// it does under the same lock while a mixer runs.
class AudioState {
public:
    virtual ~AudioState() = default;
};
