// Report lines for the user: queued from any thread, shown by the report window.
#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

struct ReportLine {
    QString subject;
    QString text;
    QString time; // time of day as text
    bool isError = false;
};

// Adds a line to the report queue while a report window takes lines; otherwise the
// line becomes a fault "Param: <subject> | Msg: <text>". Any thread.
void Report(const QString& subject, const QString& text, bool isError);

namespace reportqueue {
// Set by the window side while a report window exists and the program is not closing.
void SetAccepting(bool accepting);
bool Accepting();
// Called when a line arrives in an empty queue, on the thread that queued it; outside the
// queue's lock.
void SetLineListener(std::function<void()> listener);
// Lines wait to be taken.
bool Waiting();
// Takes every queued line; called by the report timer on the UI thread.
std::vector<ReportLine> TakeAll();
// Lines beyond this count are dropped; a fault notes the drop.
constexpr std::size_t kCapacity = 4096;
} // namespace reportqueue
