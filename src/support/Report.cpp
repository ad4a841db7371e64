// The bounded report queue between any thread and the report window.
#include "support/Report.h"

#include "support/FaultLog.h"

#include <QTime>

#include <mutex>

namespace reportqueue {
namespace {

struct Queue {
    std::mutex mutex;
    std::vector<ReportLine> lines;
    bool accepting = false;
    bool overflowNoted = false;
    std::function<void()> listener;
};

Queue& queue() {
    static Queue q;
    return q;
}

} // namespace

void SetAccepting(bool accepting) {
    std::lock_guard lock(queue().mutex);
    queue().accepting = accepting;
}

bool Accepting() {
    std::lock_guard lock(queue().mutex);
    return queue().accepting;
}

void SetLineListener(std::function<void()> listener) {
    std::lock_guard lock(queue().mutex);
    queue().listener = std::move(listener);
}

bool Waiting() {
    std::lock_guard lock(queue().mutex);
    return !queue().lines.empty();
}

std::vector<ReportLine> TakeAll() {
    std::lock_guard lock(queue().mutex);
    queue().overflowNoted = false;
    return std::exchange(queue().lines, {});
}

} // namespace reportqueue

void Report(const QString& subject, const QString& text, bool isError) {
    using namespace reportqueue;
    Queue& q = queue();
    bool accepted = false;
    bool overflow = false;
    std::function<void()> listener;
    {
        // Accepting is read under the lock: a line is either queued before the window side
        // stops taking lines, or logged.
        std::lock_guard lock(q.mutex);
        accepted = q.accepting;
        if (accepted && q.lines.size() < kCapacity) {
            if (q.lines.empty())
                listener = q.listener;
            q.lines.push_back({subject, text, QTime::currentTime().toString("hh:mm:ss"), isError});
        } else if (accepted && !q.overflowNoted) {
            q.overflowNoted = true;
            overflow = true;
        }
    }
    if (!accepted)
        GBX_FAULT(("Param: " + subject + " | Msg: " + text).toStdString());
    if (overflow)
        GBX_FAULT("report queue full; lines are dropped until the report window takes them");
    if (listener)
        listener();
}
