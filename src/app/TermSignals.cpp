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

// Set before the handlers are installed and cleared after they are gone.
volatile std::sig_atomic_t g_writeEnd = -1;
int g_readEnd = -1;
struct sigaction g_previous[std::size(kSignals)];

// Async-signal-safe: one write to a non-blocking pipe; a full pipe already holds a request.
extern "C" void noteSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TermSignals::TermSignals() {
    if (g_writeEnd != -1)
        throw std::logic_error("Only one TermSignals may exist at a time");
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("Cannot make the pipe for the end signals");
    g_readEnd = ends[0];
    g_writeEnd = ends[1];
    m_notifier = std::make_unique<QSocketNotifier>(g_readEnd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { drain(); });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // Restarted calls spare every other thread an EINTR it does not expect.
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
}

TermSignals::~TermSignals() {
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    m_notifier.reset();
    // A handler still running on another thread then writes to no pipe rather than a closed one.
    const int writeEnd = g_writeEnd;
    g_writeEnd = -1;
    ::close(writeEnd);
    ::close(g_readEnd);
    g_readEnd = -1;
}

void TermSignals::OnRequest(std::function<void()> end) {
    m_end = std::move(end);
    if (m_pending)
        answer();
}

void TermSignals::drain() {
    char bytes[16];
    while (::read(g_readEnd, bytes, sizeof bytes) > 0) {
    }
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
