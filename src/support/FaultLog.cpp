// Appends fault lines to the log file, rotating it before it fills the disk.
#include "support/FaultLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

namespace faultlog {
namespace {

const char* const kLogName = "funny stuff.log";
// A failing disk on the mixing thread must not grow this without end.
constexpr std::size_t kMaxQueuedFailures = 16;

struct LogState {
    std::mutex mutex; // serialises appends and guards everything below
    QString folder;
    FailureHandler failureHandler;
    std::function<void()> faultListener;
    std::deque<QString> queuedFailures;
    std::thread::id uiThread;
    bool uiThreadKnown = false;
};

LogState& state() {
    static LogState s;
    return s;
}

// Renames a full log to "<name>.1", replacing an older one.
void rotateIfFull(const QString& path) {
    QFileInfo info(path);
    if (!info.exists() || info.size() <= kRotateBytes)
        return;
    const QString older = path + ".1";
    QFile::remove(older);
    QFile::rename(path, older);
}

// Returns an empty text on success, else what went wrong.
QString appendLine(const QString& path, const std::string& line) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    rotateIfFull(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const std::string withEnd = line + "\r\n";
    if (file.write(withEnd.data(), qint64(withEnd.size())) != qint64(withEnd.size()))
        return file.errorString();
    file.close();
    return {};
}

} // namespace

void SetFolder(const QString& dataFolder) {
    std::lock_guard lock(state().mutex);
    state().folder = dataFolder;
}

QString FilePath() {
    std::lock_guard lock(state().mutex);
    return state().folder + kLogName;
}

std::string FormatLine(const QDateTime& when, uint32_t address, int line, std::string_view unit,
                       std::string_view message) {
    const std::string stamp = when.toString("yyyy-MM-dd hh:mm:ss").toStdString();
    char head[64];
    std::snprintf(head, sizeof head, "\t0x%8.8x %6d  ", address, line);
    std::string result = stamp + head;
    result.append(unit);
    result += ": ";
    result.append(message);
    return result;
}

void Write(std::string_view unit, int line, std::string_view message, uintptr_t address) {
    const std::string text =
        FormatLine(QDateTime::currentDateTime(), uint32_t(address), line, unit, message);
    LogState& s = state();
    FailureHandler showNow;
    QString failure;
    std::function<void()> listener;
    {
        std::lock_guard lock(s.mutex);
        listener = s.faultListener;
        if (s.folder.isEmpty()) { // before start-up fixes the data folder (tools, benchmarks)
            std::fprintf(stderr, "%s\n", text.c_str());
            return;
        }
        const QString error = appendLine(s.folder + kLogName, text);
        if (!error.isEmpty()) {
            failure = QString::fromStdString(text) + "\n\n" + s.folder + kLogName + ": " + error;
            const bool onUiThread = s.uiThreadKnown && std::this_thread::get_id() == s.uiThread;
            if (s.failureHandler && onUiThread) {
                showNow = s.failureHandler;
            } else if (s.failureHandler && s.uiThreadKnown) {
                // Never show a box here: this thread may hold the mix lock.
                if (s.queuedFailures.size() < kMaxQueuedFailures)
                    s.queuedFailures.push_back(failure);
                failure.clear();
            }
        }
    }
    if (showNow)
        showNow(failure);
    else if (!failure.isEmpty())
        std::fprintf(stderr, "%s\n", failure.toLocal8Bit().constData());
    if (listener)
        listener();
}

void SetFailureHandler(FailureHandler handler) {
    std::lock_guard lock(state().mutex);
    state().failureHandler = std::move(handler);
}

void SetUiThread() {
    std::lock_guard lock(state().mutex);
    state().uiThread = std::this_thread::get_id();
    state().uiThreadKnown = true;
}

void ShowQueuedFailures() {
    std::deque<QString> pending;
    FailureHandler handler;
    {
        std::lock_guard lock(state().mutex);
        pending.swap(state().queuedFailures);
        handler = state().failureHandler;
    }
    if (!handler)
        return;
    for (const QString& failure : pending)
        handler(failure);
}

void SetFaultListener(std::function<void()> listener) {
    std::lock_guard lock(state().mutex);
    state().faultListener = std::move(listener);
}

uintptr_t CallerAddress() {
    return reinterpret_cast<uintptr_t>(__builtin_return_address(0));
}

} // namespace faultlog

std::string_view FaultUnitName(std::string_view fileName) {
    const auto slash = fileName.find_last_of('/');
    if (slash != std::string_view::npos)
        fileName.remove_prefix(slash + 1);
    const auto dot = fileName.find_last_of('.');
    return dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
}
