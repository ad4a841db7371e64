// Faults and report lines of the audio side, from whichever thread finds them.
#pragma once

#include "support/FaultLog.h"

#include <QString>

#include <string_view>

// Marks the calling thread as running an engine sync procedure for the scope. There, faults and
// report lines are queued instead of written: the mixing thread must not block on the disk.
class SyncScope {
public:
    SyncScope();
    ~SyncScope();
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

    static bool Active();
};

// A fault line: written at once outside syncs, queued inside them. Any thread.
void AudioFaultAt(std::string_view unit, int line, std::string_view message);
// A report line (Report()): queued inside syncs. Any thread.
void AudioReport(const QString& subject, const QString& text, bool isError);

// Writes what the syncs queued, in order. UI thread (a timer, and the mingler's own calls).
void DrainAudioFaults();

// The queue holds this many entries; further ones are counted and noted once drained.
constexpr int kAudioFaultQueueSize = 64;

#define GBX_AUDIO_FAULT(message) AudioFaultAt(::FaultUnitName(__FILE_NAME__), __LINE__, (message))
