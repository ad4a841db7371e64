// The core's side of the interface the mixer library uses.
#include "AllocationGuard.h"
#include "Engine.h"
#include "EngineHost.h"
#include "LastError.h"

namespace gbxaudio {

int& noAllocationDepth() {
    thread_local int depth = 0;
    return depth;
}

namespace {

class CoreHost final : public Host {
public:
    void setError(int code) const override { setLastError(code); }

    bool initialised() const override { return Engine::instance().initialised(); }

    Handle createChannel(std::unique_ptr<Producer> producer, const AudioFormat& format,
                         uint32_t flags, uint32_t ctype) const override {
        ChannelIdentity identity;
        identity.format = format;
        identity.flags = flags;
        identity.ctype = ctype;
        return Engine::instance().addChannel(std::move(producer), std::move(identity));
    }

    std::shared_ptr<HostChannel> find(Handle handle) const override {
        return Engine::instance().channel(handle);
    }

    uint32_t bufferMs() const override { return Engine::instance().bufferMs.load(); }

    int& noAllocationDepth() const override { return gbxaudio::noAllocationDepth(); }
};

} // namespace

} // namespace gbxaudio

extern "C" const gbxaudio::Host* gbxAudioHost(uint32_t version) {
    static const gbxaudio::CoreHost host;
    return version == gbxaudio::kHostInterfaceVersion ? &host : nullptr;
}
