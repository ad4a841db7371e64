// Where channels are mixed: the live mix, the audition mix or a render's mix.
#pragma once

#include "gbxaudio.h"
#include "model/Units.h"

#include <cstdint>

class TBall;
class TChan;
class TChannels;

// Arming takes the target it arms into, so that a render arms the same balls through the same
// operations as the live mix while the live mix goes on. Called under the target mixer's lock,
// on the UI thread or inside the target's syncs.
class MixTarget {
public:
    virtual ~MixTarget() = default;

    // The mixer stream; 0 when there is none.
    virtual DWORD Mixer() const = 0;
    // The mixer's channel count (the fade-in envelope is two samples of each).
    virtual uint32_t Chans() const = 0;
    // Puts the channel's stream into the mix `delay` elements after the mixer's position, to
    // sound for `length` on the resource scale (0 or less: to its end), with the channel's pan
    // and loudness. False, with a fault written, when the mixer refuses it.
    virtual bool AddChannel(TChan& chan, Elements delay, int64_t length) = 0;
    // The list that owns the channels a ball starts here.
    virtual TChannels& ChannelsOf(TBall& ball) = 0;
    // Live channels are also listed in their lanes, for the lane meters and the live count.
    virtual bool ListsInLanes() const = 0;
};
