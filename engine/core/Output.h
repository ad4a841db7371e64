// The initialised output: device or "no sound" clock, mixing thread and sync thread.
#pragma once

#include "PlaySlot.h"
#include "PortAudioSession.h"
#include "SystemDevices.h"

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace gbxaudio {

// Threads: the API calls below from any thread; mixLoop on the mixing thread; syncLoop on the
// sync thread; the device callback on PortAudio's thread, which only copies from the buffers.
class Output {
public:
    // device nullptr: "no sound", needing no session. A device opens in the session given, which
    // the output keeps until shutdown. nullptr result with *error BASS_ERROR_DRIVER when the
    // device does not open.
    static std::unique_ptr<Output> open(const OutputDevice* device,
                                        std::unique_ptr<PortAudioSession> session, uint32_t rate,
                                        const std::atomic<uint32_t>& bufferMs, int* error);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Joins both threads, closes the device and ends its PortAudio session, so that nothing of the
    // output runs when it returns. Not from the mixing or sync thread.
    void shutdown();

    bool play(const std::shared_ptr<Channel>& channel, bool restart);
    void stop(Channel& channel);
    bool pause(Channel& channel);

    // How often a device reported that it ran out of sound, over every output since loading.
    static uint64_t underruns();

    // True on the mixing and the sync thread, where BASS_Init and BASS_Free must not run.
    static bool onEngineThread();

private:
    Output(const OutputDevice* device, uint32_t rate, const std::atomic<uint32_t>& bufferMs);
    // Copies the slot list into `into` (capacity kept, so no allocation for usual counts).
    void snapshot(std::vector<std::shared_ptr<PlaySlot>>& into);
    // After a change of the slot list, with its lock held: hands the callback the new list, then
    // waits until it no longer reads the old one, so that removed slots may go.
    void publishSlots();
    void retire(const std::shared_ptr<PlaySlot>& slot);
    void mixLoop();
    void syncLoop();
    // Asks for real-time scheduling for the mixing thread and the device's thread once each runs,
    // then ends: asking may wait on the system bus, which no thread that keeps time may do.
    void askForRealTimeLoop();
    void waitFor(std::chrono::milliseconds period);
    friend int deviceCallback(Output& output, float* out, unsigned long frames, bool underrun);

    const bool m_noSound;
    const uint32_t m_rate;
    const uint32_t m_chans;
    const std::atomic<uint32_t>& m_bufferMs;
    std::unique_ptr<PortAudioSession> m_session; // outlives the stream
    void* m_stream = nullptr;                    // PaStream

    std::mutex m_slotsMutex; // never taken by the callback
    std::vector<std::shared_ptr<PlaySlot>> m_slots;
    // What the callback mixes, without a lock: two lists of the slots, the live one named by
    // m_liveList; the callback's pass count is odd while it reads one.
    std::vector<PlaySlot*> m_callbackLists[2];
    std::atomic<int> m_liveList{0};
    std::atomic<uint64_t> m_callbackPasses{0};
    uint32_t m_latencyFrames = 0;

    std::atomic<bool> m_running{true};
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    std::thread m_mixThread;
    std::thread m_syncThread;
    std::thread m_realTimeThread;
    // The kernel's ids of the mixing thread and of the device's callback thread, once they run.
    std::atomic<pid_t> m_mixThreadId{0};
    std::atomic<pid_t> m_deviceThreadId{0};
};

} // namespace gbxaudio
