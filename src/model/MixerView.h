// What the window and its controls read from the audio side beyond the model's hooks, and the
// few things they ask of it. It lives in the model so that neither side includes the other.
#pragma once

#include "model/Units.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class TLane;

// The master level of the live mix: left in the low 16 bits, right in the high 16 bits.
struct LevelReading {
    enum class Status { Ok, NotPlaying, Failed };
    Status status = Status::NotPlaying;
    uint32_t level = 0;
    QString errorText; // the library's error text when Failed
};

// The mix position heard now, in elements (the mixer's byte position plus its origin).
struct PositionReading {
    bool ok = false;
    Elements position{};
    QString errorText; // the library's error text when not ok
};

// The audio side implements it over the mingler (MixerViewAdapter); the window reaches it through
// MixerViewSlot, which answers as a program without a mixer while none exists. UI thread only;
// the reads that touch the mix stream are made while the caller holds the mixer lock
// (AudioHooks::LockMixer). The model's AudioHooks already answer whether the carrier rolls with a
// mixer stream and set the mix's master loudness.
class MixerView {
public:
    virtual ~MixerView() = default;

    virtual LevelReading MasterLevel() = 0;
    // The heard level of the channels sounding in a lane, as the master level packs it; 0 when
    // nothing of it plays.
    virtual uint32_t LaneLevel(const TLane& lane) = 0;
    virtual PositionReading HeardPosition() = 0;
    // The mix stream stopped by itself: the carrier pauses where it is.
    virtual void StreamEnded() = 0;
    // Whether the last call that started playing succeeded.
    virtual bool LastPlaySucceeded() const = 0;
    // Stops, reloads and reinitialises the audio library, rolling again if it rolled.
    virtual void RestartEngine() = 0;

    // The running renders, in list order.
    virtual int RenderCount() const = 0;
    virtual bool RenderActive(int index) const = 0;
    // One step of a running render.
    virtual void RenderTick(int index) = 0;
    // Takes a finished render out of the list and frees it.
    virtual void RemoveRender(int index) = 0;
    // The progress of each running render in percent, as the title shows it.
    virtual QStringList RenderProgress() const = 0;
};
