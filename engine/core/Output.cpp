#include "Output.h"
#include "RealTime.h"

#include "gbxaudio.h"

#include <pa_linux_alsa.h>
#include <portaudio.h>
#include <pthread.h>

#include <algorithm>
#include <cmath>

namespace gbxaudio {

namespace {

thread_local bool t_engineThread = false;
// Over every output the library opens, so that a reader never sees the count fall.
std::atomic<uint64_t> g_underruns{0};

constexpr auto kSyncPeriod = std::chrono::milliseconds(5);
constexpr size_t kUsualSlots = 64;

// The mixing thread wakes often enough to keep a short buffer full.
std::chrono::milliseconds mixPeriod(uint32_t bufferMs) {
    return std::chrono::milliseconds(std::clamp<uint32_t>(bufferMs / 4, 1, 10));
}

// The device's latency follows the buffer setting, a quarter of it up to a tenth of a second,
// never below what the device offers: the lowest it offers underruns on a busy machine.
double deviceLatency(const PaDeviceInfo& device, uint32_t bufferMs) {
    return std::max(device.defaultLowOutputLatency, std::min(bufferMs / 4000.0, 0.1));
}

constexpr int kMixPriority = 10;
constexpr int kDevicePriority = 11;

int onDevice(const void*, void* out, unsigned long frames, const PaStreamCallbackTimeInfo*,
             PaStreamCallbackFlags status, void* user) {
    return deviceCallback(*static_cast<Output*>(user), static_cast<float*>(out), frames,
                          (status & paOutputUnderflow) != 0);
}

} // namespace

// PortAudio's thread: sums what the slots hold; only copies, and takes no lock.
int deviceCallback(Output& self, float* out, unsigned long frames, bool underrun) {
    if (underrun)
        g_underruns.fetch_add(1, std::memory_order_relaxed);
    if (self.m_deviceThreadId.load() == 0)
        self.m_deviceThreadId.store(currentThreadId());
    std::fill_n(out, frames * self.m_chans, 0.0f);
    // Sequentially consistent, as publishSlots' store and load are: either it sees this pass
    // begun, or this pass sees the list it stored.
    self.m_callbackPasses.fetch_add(1);
    for (PlaySlot* slot : self.m_callbackLists[self.m_liveList.load()])
        slot->mixInto(out, static_cast<uint32_t>(frames));
    self.m_callbackPasses.fetch_add(1);
    return paContinue;
}

Output::Output(const OutputDevice* device, uint32_t rate, const std::atomic<uint32_t>& bufferMs)
    : m_noSound(device == nullptr), m_rate(rate),
      m_chans(device ? static_cast<uint32_t>(std::min(device->maxChannels, 2)) : 0),
      m_bufferMs(bufferMs) {}

std::unique_ptr<Output> Output::open(const OutputDevice* device,
                                     std::unique_ptr<PortAudioSession> session, uint32_t rate,
                                     const std::atomic<uint32_t>& bufferMs, int* error) {
    std::unique_ptr<Output> output(new Output(device, rate, bufferMs));
    if (device) {
        const int index = session && session->running() ? session->indexOf(*device) : -1;
        if (index < 0) {
            *error = BASS_ERROR_DRIVER;
            return nullptr;
        }
        output->m_session = std::move(session);
        PaStreamParameters params{};
        params.device = index;
        params.channelCount = static_cast<int>(output->m_chans);
        params.sampleFormat = paFloat32;
        params.suggestedLatency = deviceLatency(*Pa_GetDeviceInfo(index), bufferMs.load());
        PaStream* stream = nullptr;
        if (Pa_OpenStream(&stream, nullptr, &params, rate, paFramesPerBufferUnspecified, paNoFlag,
                          onDevice, output.get()) != paNoError) {
            *error = BASS_ERROR_DRIVER;
            return nullptr;
        }
        output->m_stream = stream;
        if (const PaStreamInfo* info = Pa_GetStreamInfo(stream))
            output->m_latencyFrames =
                static_cast<uint32_t>(std::lround(info->outputLatency * rate));
        if (Pa_GetHostApiInfo(Pa_GetDeviceInfo(index)->hostApi)->type == paALSA)
            PaAlsa_EnableRealtimeScheduling(stream, 1);
        if (Pa_StartStream(stream) != paNoError) {
            Pa_CloseStream(stream);
            output->m_stream = nullptr;
            *error = BASS_ERROR_DRIVER;
            return nullptr;
        }
    }
    output->m_mixThread = std::thread(&Output::mixLoop, output.get());
    output->m_syncThread = std::thread(&Output::syncLoop, output.get());
    output->m_realTimeThread = std::thread(&Output::askForRealTimeLoop, output.get());
    return output;
}

Output::~Output() {
    shutdown();
}

void Output::shutdown() {
    if (m_running.exchange(false)) {
        m_wake.notify_all();
    }
    if (m_mixThread.joinable())
        m_mixThread.join();
    if (m_syncThread.joinable())
        m_syncThread.join();
    if (m_realTimeThread.joinable())
        m_realTimeThread.join();
    if (m_stream) {
        Pa_StopStream(static_cast<PaStream*>(m_stream));
        Pa_CloseStream(static_cast<PaStream*>(m_stream));
        m_stream = nullptr;
    }
    m_session.reset();
    std::lock_guard lock(m_slotsMutex);
    for (const auto& slot : m_slots)
        slot->channel()->setPlaySlot(nullptr);
    m_slots.clear();
    publishSlots();
}

uint64_t Output::underruns() {
    return g_underruns.load(std::memory_order_relaxed);
}

bool Output::onEngineThread() {
    return t_engineThread;
}

bool Output::play(const std::shared_ptr<Channel>& channel, bool restart) {
    if (!m_running.load())
        return false;
    if (auto slot = channel->playSlot()) {
        if (!restart) {
            slot->setPaused(false);
            return true;
        }
        stop(*channel);
    }
    if (restart)
        channel->setPosition(0);
    const AudioFormat format = channel->format();
    PlaySlot::Setup setup{m_noSound ? format.rate : m_rate, m_noSound ? format.chans : m_chans,
                          m_bufferMs.load(), m_latencyFrames};
    auto slot = std::make_shared<PlaySlot>(channel, setup);
    {
        std::lock_guard lock(m_slotsMutex);
        m_slots.push_back(slot);
        publishSlots();
        channel->setPlaySlot(slot);
    }
    m_wake.notify_all();
    return true;
}

void Output::stop(Channel& channel) {
    // Released after the lock, once the callback has let go of it.
    std::shared_ptr<PlaySlot> slot;
    std::lock_guard lock(m_slotsMutex);
    slot = channel.playSlot();
    m_slots.erase(std::remove(m_slots.begin(), m_slots.end(), slot), m_slots.end());
    publishSlots();
    channel.setPlaySlot(nullptr);
}

bool Output::pause(Channel& channel) {
    auto slot = channel.playSlot();
    if (!slot)
        return false;
    slot->setPaused(true);
    return true;
}

void Output::publishSlots() {
    const int next = 1 - m_liveList.load();
    std::vector<PlaySlot*>& list = m_callbackLists[next];
    list.clear();
    for (const auto& slot : m_slots)
        list.push_back(slot.get());
    m_liveList.store(next);
    // A pass that began before the switch may still read the old list; it ends within a period.
    const uint64_t passes = m_callbackPasses.load();
    // Sleeping, not yielding: a real-time caller would keep an ordinary callback thread off a
    // shared core.
    if (passes % 2 == 1)
        while (m_callbackPasses.load() == passes)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
}

void Output::snapshot(std::vector<std::shared_ptr<PlaySlot>>& into) {
    std::lock_guard lock(m_slotsMutex);
    into.assign(m_slots.begin(), m_slots.end());
}

void Output::retire(const std::shared_ptr<PlaySlot>& slot) {
    std::lock_guard lock(m_slotsMutex);
    auto found = std::find(m_slots.begin(), m_slots.end(), slot);
    if (found == m_slots.end())
        return;
    m_slots.erase(found);
    publishSlots();
    if (slot->channel()->playSlot() == slot)
        slot->channel()->setPlaySlot(nullptr);
}

void Output::waitFor(std::chrono::milliseconds period) {
    std::unique_lock lock(m_wakeMutex);
    m_wake.wait_for(lock, period, [this] { return !m_running.load(); });
}

void Output::mixLoop() {
    t_engineThread = true;
    pthread_setname_np(pthread_self(), "gbxaudio-mix");
    m_mixThreadId.store(currentThreadId());
    std::vector<std::shared_ptr<PlaySlot>> slots;
    slots.reserve(kUsualSlots);
    while (m_running.load()) {
        const auto now = PlaySlot::Clock::now();
        snapshot(slots);
        for (const auto& slot : slots) {
            if (m_noSound)
                slot->consumeByClock(now);
            slot->fill();
        }
        slots.clear();
        waitFor(mixPeriod(m_bufferMs.load()));
    }
}

void Output::askForRealTimeLoop() {
    pthread_setname_np(pthread_self(), "gbxaudio-rt");
    bool mixAsked = false;
    bool deviceAsked = m_stream == nullptr;
    while (m_running.load() && !(mixAsked && deviceAsked)) {
        if (const pid_t mix = m_mixThreadId.load(); !mixAsked && mix != 0) {
            askForRealTime(mix, kMixPriority);
            mixAsked = true;
        }
        if (const pid_t device = m_deviceThreadId.load(); !deviceAsked && device != 0) {
            askForRealTime(device, kDevicePriority);
            deviceAsked = true;
        }
        waitFor(kSyncPeriod);
    }
}

void Output::syncLoop() {
    t_engineThread = true;
    pthread_setname_np(pthread_self(), "gbxaudio-sync");
    std::vector<std::shared_ptr<PlaySlot>> slots;
    slots.reserve(kUsualSlots);
    while (m_running.load()) {
        snapshot(slots);
        for (const auto& slot : slots) {
            slot->runHeardSyncs();
            if (!slot->finished())
                continue;
            retire(slot);
            const auto& channel = slot->channel();
            for (const SyncCall& call : channel->syncs().heardEnd()) {
                if (channel->freed())
                    break;
                if (channel->syncs().contains(call.sync))
                    call.proc(call.sync, channel->handle(), 0, call.user);
            }
        }
        slots.clear();
        waitFor(kSyncPeriod);
    }
}

} // namespace gbxaudio
