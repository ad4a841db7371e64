// The fault log: one line per fault in "funny stuff.log" in the data folder.
// Every function here may be called from any thread.
#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace faultlog {

// Where the log lives; fixed by start-up before the first fault, changeable by tests.
void SetFolder(const QString& dataFolder);
QString FilePath();

// The line as written, without CR LF: "YYYY-MM-DD hh:mm:ss<TAB>0x%08x %6d  unit: message".
std::string FormatLine(const QDateTime& when, uint32_t address, int line, std::string_view unit,
                       std::string_view message);

// Appends one line. Failures are handed to the failure handler on the UI thread,
// or queued for it when they happen on any other thread.
void Write(std::string_view unit, int line, std::string_view message, uintptr_t address);

// The log is renamed to "<name>.1" once it passes this size.
constexpr qint64 kRotateBytes = 8 * 1024 * 1024;

// Shows a failed append to the user (and may end the program); runs on the UI thread only.
// Without a handler the failure goes to stderr.
using FailureHandler = std::function<void(const QString& text)>;
void SetFailureHandler(FailureHandler handler);
// Marks the calling thread as the UI thread (start-up does this).
void SetUiThread();
// Shows the failures queued by other threads; called by a UI-thread timer.
void ShowQueuedFailures();

// Called after each written fault, e.g. to switch the window's fault timer on.
void SetFaultListener(std::function<void()> listener);

// Code address of the call site, for the fault line.
[[gnu::noinline]] uintptr_t CallerAddress();

} // namespace faultlog

// Unit name from a file name: "Mingler.cpp" -> "Mingler".
std::string_view FaultUnitName(std::string_view fileName);

#define GBX_FAULT(message)                                                                         \
    ::faultlog::Write(::FaultUnitName(__FILE_NAME__), __LINE__, (message),                         \
                      ::faultlog::CallerAddress())

// The convention for a caught exception: "<operation> was at fault here: <message>".
#define GBX_FAULT_CAUGHT(operation, exception)                                                     \
    GBX_FAULT(std::string(operation) + " was at fault here: " + (exception).what())
