// The bounded queue between the engine's threads and the fault log and report.
#include "audio/AudioFaults.h"

#include "support/FaultLog.h"
#include "support/Report.h"

#include <array>
#include <mutex>
#include <string>

namespace {

thread_local int t_syncDepth = 0;

struct Queued {
    bool isFault = true;
    std::string_view unit; // points to a file name literal
    int line = 0;
    std::string message; // fault message
    QString subject;     // report line
    QString text;
    bool isError = false;
};

struct Queue {
    std::mutex mutex;
    std::array<Queued, kAudioFaultQueueSize> entries;
    int count = 0;
    int dropped = 0;
};

Queue& queue() {
    static Queue q;
    return q;
}

void Push(Queued entry) {
    Queue& q = queue();
    std::lock_guard lock(q.mutex);
    if (q.count == kAudioFaultQueueSize) {
        ++q.dropped;
        return;
    }
    q.entries[q.count++] = std::move(entry);
}

} // namespace

SyncScope::SyncScope() {
    ++t_syncDepth;
}

SyncScope::~SyncScope() {
    --t_syncDepth;
}

bool SyncScope::Active() {
    return t_syncDepth > 0;
}

void AudioFaultAt(std::string_view unit, int line, std::string_view message) {
    if (!SyncScope::Active()) {
        faultlog::Write(unit, line, message, faultlog::CallerAddress());
        return;
    }
    Queued entry;
    entry.unit = unit;
    entry.line = line;
    entry.message = message;
    Push(std::move(entry));
}

void AudioReport(const QString& subject, const QString& text, bool isError) {
    if (!SyncScope::Active()) {
        Report(subject, text, isError);
        return;
    }
    Queued entry;
    entry.isFault = false;
    entry.subject = subject;
    entry.text = text;
    entry.isError = isError;
    Push(std::move(entry));
}

void DrainAudioFaults() {
    std::array<Queued, kAudioFaultQueueSize> taken;
    int count = 0;
    int dropped = 0;
    {
        Queue& q = queue();
        std::lock_guard lock(q.mutex);
        for (int i = 0; i < q.count; ++i)
            taken[i] = std::move(q.entries[i]);
        count = q.count;
        dropped = q.dropped;
        q.count = 0;
        q.dropped = 0;
    }
    for (int i = 0; i < count; ++i) {
        const Queued& entry = taken[i];
        if (entry.isFault)
            faultlog::Write(entry.unit, entry.line, entry.message, 0);
        else
            Report(entry.subject, entry.text, entry.isError);
    }
    if (dropped > 0)
        GBX_FAULT(std::to_string(dropped) + " faults of the mixing thread were dropped");
}
