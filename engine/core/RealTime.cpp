#include "RealTime.h"

#include <dbus/dbus.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>

namespace gbxaudio {

namespace {

constexpr const char* kService = "org.freedesktop.RealtimeKit1";
constexpr const char* kObject = "/org/freedesktop/RealtimeKit1";
constexpr int kReplyMs = 1000;

// A call to RealtimeKit on the system bus, its arguments given as D-Bus type and pointer pairs
// ending with DBUS_TYPE_INVALID; its reply, or none (an error reply too).
DBusMessage* call(DBusConnection* bus, const char* interface, const char* method, int firstType,
                  ...) {
    DBusMessage* message = dbus_message_new_method_call(kService, kObject, interface, method);
    if (!message)
        return nullptr;
    va_list args;
    va_start(args, firstType);
    const bool appended = dbus_message_append_args_valist(message, firstType, args);
    va_end(args);
    DBusMessage* reply = nullptr;
    if (appended) {
        DBusError error;
        dbus_error_init(&error);
        reply = dbus_connection_send_with_reply_and_block(bus, message, kReplyMs, &error);
        dbus_error_free(&error);
    }
    dbus_message_unref(message);
    return reply;
}

// An integer property of RealtimeKit, of the D-Bus type given.
bool property(DBusConnection* bus, const char* name, int type, int64_t& value) {
    const char* interface = kService;
    DBusMessage* reply = call(bus, "org.freedesktop.DBus.Properties", "Get", DBUS_TYPE_STRING,
                              &interface, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID);
    if (!reply)
        return false;
    DBusMessageIter top;
    DBusMessageIter variant;
    bool found = false;
    if (dbus_message_iter_init(reply, &top) &&
        dbus_message_iter_get_arg_type(&top) == DBUS_TYPE_VARIANT) {
        dbus_message_iter_recurse(&top, &variant);
        if (dbus_message_iter_get_arg_type(&variant) == type) {
            if (type == DBUS_TYPE_INT32) {
                dbus_int32_t v = 0;
                dbus_message_iter_get_basic(&variant, &v);
                value = v;
            } else {
                dbus_int64_t v = 0;
                dbus_message_iter_get_basic(&variant, &v);
                value = v;
            }
            found = true;
        }
    }
    dbus_message_unref(reply);
    return found;
}

bool throughRealtimeKit(DBusConnection* bus, pid_t thread, int priority) {
    int64_t most = 0;
    int64_t rtTimeMax = 0;
    if (!property(bus, "MaxRealtimePriority", DBUS_TYPE_INT32, most) ||
        !property(bus, "RTTimeUSecMax", DBUS_TYPE_INT64, rtTimeMax) || most < 1)
        return false;
    // RealtimeKit grants only to a process that bounds its real-time CPU time.
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0)
        return false;
    const auto bound = static_cast<rlim_t>(rtTimeMax);
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > bound) {
        limit.rlim_cur = limit.rlim_max = bound;
        if (setrlimit(RLIMIT_RTTIME, &limit) != 0)
            return false;
    }
    const dbus_uint64_t id = static_cast<dbus_uint64_t>(thread);
    const dbus_uint32_t granted = static_cast<dbus_uint32_t>(std::min<int64_t>(priority, most));
    DBusMessage* reply = call(bus, kService, "MakeThreadRealtime", DBUS_TYPE_UINT64, &id,
                              DBUS_TYPE_UINT32, &granted, DBUS_TYPE_INVALID);
    if (!reply)
        return false;
    dbus_message_unref(reply);
    return true;
}

} // namespace

pid_t currentThreadId() {
    return static_cast<pid_t>(syscall(SYS_gettid));
}

bool askForRealTime(pid_t thread, int priority) {
    // A thread its library made real-time already (PortAudio's, a sound server's) keeps that.
    const int policy = sched_getscheduler(thread) & ~SCHED_RESET_ON_FORK;
    if (policy == SCHED_FIFO || policy == SCHED_RR)
        return true;
    sched_param param{};
    param.sched_priority = priority;
    if (sched_setscheduler(thread, SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0)
        return true;
    DBusError error;
    dbus_error_init(&error);
    // A connection of our own: the program's may belong to another library, and closing a shared
    // one would take it from them.
    DBusConnection* bus = dbus_bus_get_private(DBUS_BUS_SYSTEM, &error);
    dbus_error_free(&error);
    if (!bus)
        return false;
    dbus_connection_set_exit_on_disconnect(bus, FALSE);
    const bool granted = throughRealtimeKit(bus, thread, priority);
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
    return granted;
}

} // namespace gbxaudio
