// Real-time scheduling for the engine's threads, where the system grants it: directly when the
// process may (RLIMIT_RTPRIO), else through the desktop's RealtimeKit on the system bus.
#pragma once

#include <sys/types.h>

namespace gbxaudio {

// The kernel's id of the calling thread.
pid_t currentThreadId();

// Asks for SCHED_FIFO at the priority (lowered to what RealtimeKit allows) for a thread of this
// process; one that is real-time already is left as it is. May wait on the system bus for a few
// seconds: never from a thread that must keep time. False when neither way granted it; the
// thread then goes on as it was.
bool askForRealTime(pid_t thread, int priority);

} // namespace gbxaudio
