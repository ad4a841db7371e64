// The self-pipe between the signal handlers and the UI thread.
#include "app/TermSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

// Made by the first TermSignals and kept open for the rest of the process: a handler still
// running on another thread while one is destroyed writes into this pipe, never into a closed
// or reused descriptor.
volatile std::sig_atomic_t g_writeEnd = -1;
int g_readEnd = -1;
bool g_exists = false;
struct sigaction g_previous[std::size(kSignals)];
bool g_installed[std::size(kSignals)];

// Async-signal-safe: one write to a non-blocking pipe; a full pipe already holds a request.
extern "C" void noteSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

void drainPipe() {
    char bytes[16];
    while (::read(g_readEnd, bytes, sizeof bytes) > 0) {
    }
}

} // namespace

TermSignals::TermSignals() {
    if (g_exists)
        throw std::logic_error("Only one TermSignals may exist at a time");
    if (g_readEnd == -1) {
        int ends[2];
        if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
            throw std::runtime_error("Cannot make the pipe for the end signals");
        g_readEnd = ends[0];
        g_writeEnd = ends[1];
    }
    // A request a handler wrote while the last one was going was meant for that one.
    drainPipe();
    g_exists = true;
    m_notifier = std::make_unique<QSocketNotifier>(g_readEnd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { drain(); });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // Restarted calls spare every other thread an EINTR it does not expect.
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &g_previous[i]);
        // A signal the starter chose to ignore (as nohup does) stays ignored.
        g_installed[i] = g_previous[i].sa_handler != SIG_IGN;
        if (g_installed[i])
            ::sigaction(kSignals[i], &action, nullptr);
    }
}

TermSignals::~TermSignals() {
    for (size_t i = 0; i < std::size(kSignals); ++i)
        if (g_installed[i])
            ::sigaction(kSignals[i], &g_previous[i], nullptr);
    m_notifier.reset();
    g_exists = false;
}

void TermSignals::OnRequest(std::function<void()> end) {
    m_end = std::move(end);
    if (m_pending)
        answer();
}

void TermSignals::drain() {
    drainPipe();
    m_pending = true;
    answer();
}

void TermSignals::answer() {
    if (!m_end)
        return;
    m_pending = false;
    // A copy: ending may replace the answer while it runs.
    const std::function<void()> end = m_end;
    end();
}
