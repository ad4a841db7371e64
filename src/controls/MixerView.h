// What the window and its controls read from the audio side beyond the model's hooks, and the
// few things they ask of it. The defaults describe a program without a mixer.
#pragma once

#include "model/Units.h"

#include <QString>
#include <QStringList>

#include <cstdint>

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

// The audio side implements it. UI thread only; the reads that touch the mix stream are made
// while the caller holds the mixer lock (AudioHooks::LockMixer). The model's AudioHooks already
// answer whether the carrier rolls with a mixer stream and set the mix's master loudness.
class MixerView {
public:
    virtual ~MixerView() = default;

    virtual LevelReading MasterLevel() { return {}; }
    virtual PositionReading HeardPosition() { return {}; }
    // The mix stream stopped by itself: the carrier settles.
    virtual void StreamEnded() {}
    // Whether the last call that started playing succeeded.
    virtual bool LastPlaySucceeded() const { return true; }
    // Stops, reloads and reinitialises the audio library, rolling again if it rolled.
    virtual void RestartEngine() {}

    // The running renders, in list order.
    virtual int RenderCount() const { return 0; }
    virtual bool RenderActive(int index) const {
        (void)index;
        return false;
    }
    // One step of a running render.
    virtual void RenderTick(int index) { (void)index; }
    // Takes a finished render out of the list and frees it.
    virtual void RemoveRender(int index) { (void)index; }
    // The progress of each running render in percent, as the title shows it.
    virtual QStringList RenderProgress() const { return {}; }
};
