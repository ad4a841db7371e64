// The bounded report queue between any thread and the report window.
#include "support/Report.h"

#include "support/FaultLog.h"

#include <QTime>

#include <atomic>
#include <mutex>

namespace reportqueue {
namespace {

struct Queue {
    std::mutex mutex;
    std::vector<ReportLine> lines;
    std::atomic<bool> accepting{false};
    bool overflowNoted = false;
    std::function<void()> listener;
};

Queue& queue() {
    static Queue q;
    return q;
}

} // namespace

void SetAccepting(bool accepting) {
    queue().accepting = accepting;
}

bool Accepting() {
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
    if (!q.accepting) {
        GBX_FAULT(("Param: " + subject + " | Msg: " + text).toStdString());
        return;
    }
    bool overflow = false;
    std::function<void()> listener;
    {
        std::lock_guard lock(q.mutex);
        listener = q.listener;
        if (q.lines.size() < kCapacity) {
            q.lines.push_back({subject, text, QTime::currentTime().toString("hh:mm:ss"), isError});
        } else if (!q.overflowNoted) {
            q.overflowNoted = true;
            overflow = true;
        }
    }
    if (overflow)
        GBX_FAULT("report queue full; lines are dropped until the report window takes them");
    if (listener)
        listener();
}
