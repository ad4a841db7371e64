// SIGTERM and SIGINT as requests to end the program, answered on the UI thread.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

// The handler only writes the signal's number into a pipe; a notifier on the pipe's other end
// hands the request to the UI thread, where closing may save files and take the engine down.
// One at a time, as signal handlers belong to the process; made and destroyed on the UI thread.
class TermSignals {
public:
    // Installs the handlers: from now on the signals no longer end the process by themselves. A
    // signal ignored when it comes is left ignored. Throws std::runtime_error when the pipe
    // cannot be made, std::logic_error for a second one.
    TermSignals();
    // Restores the handlers that were there before.
    ~TermSignals();
    TermSignals(const TermSignals&) = delete;
    TermSignals& operator=(const TermSignals&) = delete;

    // What a request does, on the UI thread. A request that came while there was nothing to do
    // (during start-up) is kept and answered as soon as there is; none: requests are kept.
    void OnRequest(std::function<void()> end);

private:
    void drain();
    void answer();

    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_end;
    bool m_pending = false;
};
