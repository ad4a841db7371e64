// Exported calls of the mixer library.
#include "LevelWord.h"
#include "MixHost.h"
#include "SourceGains.h"
#include "gbxaudio.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

using namespace gbxaudio;

namespace {

constexpr DWORD kFailure = 0xFFFFFFFFu;
constexpr QWORD kNoValue = ~QWORD{0};
constexpr uint32_t kMaxChans = 32;
constexpr uint32_t kMaxRate = 768000;
constexpr DWORD kMixerFlags = BASS_SAMPLE_8BITS | BASS_SAMPLE_FLOAT | BASS_STREAM_DECODE |
                              BASS_MIXER_END | BASS_MIXER_NONSTOP;
constexpr DWORD kSourceFlags = BASS_MIXER_MATRIX | BASS_MIXER_BUFFER;

// Runs a call with the core's interface: no exception leaves the library.
template <class T, class F> T withHost(T failure, F&& call) noexcept {
    const Host* host = mixHost();
    if (!host)
        return failure;
    try {
        return call(*host);
    } catch (const std::bad_alloc&) {
        host->setError(BASS_ERROR_MEM);
    } catch (...) {
        host->setError(BASS_ERROR_UNKNOWN);
    }
    return failure;
}

template <class T> T fail(const Host& host, int code, T result) {
    host.setError(code);
    return result;
}

// Runs a call on a source stream with its mixer locked; a handle that is no mixer's source fails
// with the reason LockedSource gives.
template <class T, class F> T onSource(DWORD handle, T failure, F&& call) noexcept {
    return withHost(failure, [&](const Host& host) -> T {
        LockedSource source(host, handle);
        if (source.error() != BASS_OK)
            return fail(host, source.error(), failure);
        return call(host, source);
    });
}

} // namespace

extern "C" {

DWORD BASS_Mixer_GetVersion(void) {
    return withHost(DWORD{GBXAUDIO_VERSION}, [](const Host& host) {
        host.setError(BASS_OK);
        return DWORD{GBXAUDIO_VERSION};
    });
}

DWORD BASS_Mixer_StreamCreate(DWORD freq, DWORD chans, DWORD flags) {
    return withHost(DWORD{0}, [&](const Host& host) -> DWORD {
        if (!host.initialised())
            return fail(host, BASS_ERROR_INIT, DWORD{0});
        if (freq == 0 || freq > kMaxRate || chans == 0 || chans > kMaxChans)
            return fail(host, BASS_ERROR_ILLPARAM, DWORD{0});
        const DWORD kept = flags & kMixerFlags;
        const AudioFormat format{freq, chans, sampleTypeFromFlags(flags)};
        const Handle handle =
            host.createChannel(std::make_unique<Mixer>(format, kept, host.bufferMs()), format, kept,
                               GBXAUDIO_CTYPE_MIXER);
        if (handle)
            host.setError(BASS_OK);
        return handle;
    });
}

BOOL BASS_Mixer_StreamAddChannelEx(DWORD mixer, DWORD channel, DWORD flags, QWORD start,
                                   QWORD length) {
    return withHost(FALSE, [&](const Host& host) -> BOOL {
        LockedMixer locked(host, mixer);
        if (locked.error() != BASS_OK)
            return fail(host, locked.error(), FALSE);
        auto source = host.find(channel);
        if (!source)
            return fail(host, BASS_ERROR_HANDLE, FALSE);
        const AudioFormat& format = locked.mixer().format();
        const uint64_t frames = length == 0 ? UINT64_MAX : format.framesFromBytes(length);
        const int error = locked.mixer().add(std::move(source), flags & kSourceFlags,
                                             format.framesFromBytes(start), frames);
        if (error != BASS_OK)
            return fail(host, error, FALSE);
        host.setError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_Mixer_ChannelSetMatrix(DWORD handle, const float* matrix) {
    return onSource(handle, FALSE, [&](const Host& host, LockedSource& source) -> BOOL {
        if (!source.record().usesMatrix())
            return fail(host, BASS_ERROR_NOTAVAIL, FALSE);
        if (!matrix)
            return fail(host, BASS_ERROR_ILLPARAM, FALSE);
        std::vector<float>& cells = source.record().matrix();
        if (!std::all_of(matrix, matrix + cells.size(), [](float v) { return std::isfinite(v); }))
            return fail(host, BASS_ERROR_ILLPARAM, FALSE);
        cells.assign(matrix, matrix + cells.size());
        host.setError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_Mixer_ChannelSetEnvelope(DWORD handle, DWORD type, const BASS_MIXER_NODE* nodes,
                                   DWORD count) {
    return onSource(handle, FALSE, [&](const Host& host, LockedSource& source) -> BOOL {
        if (type != BASS_MIXER_ENV_VOL)
            return fail(host, BASS_ERROR_ILLTYPE, FALSE);
        if (count > 0 && !nodes)
            return fail(host, BASS_ERROR_ILLPARAM, FALSE);
        const AudioFormat& format = source.mixer().mixer().format();
        std::vector<Envelope::Node> list;
        list.reserve(count);
        for (DWORD i = 0; i < count; ++i) {
            const uint64_t frame = format.framesFromBytes(nodes[i].pos);
            const float value = nodes[i].value;
            if (!std::isfinite(value) || value < 0 || (!list.empty() && frame < list.back().frame))
                return fail(host, BASS_ERROR_ILLPARAM, FALSE);
            list.push_back(Envelope::Node{frame, value});
        }
        source.record().envelope().set(std::move(list));
        host.setError(BASS_OK);
        return TRUE;
    });
}

DWORD BASS_Mixer_ChannelGetLevel(DWORD handle) {
    return onSource(handle, kFailure, [&](const Host& host, LockedSource& source) -> DWORD {
        HostChannel& mixerChannel = source.mixer().channel();
        if (!mixerChannel.isActive())
            return fail(host, BASS_ERROR_NOPLAY, kFailure);
        MixSource& record = source.record();
        const uint64_t window =
            uint64_t{source.mixer().mixer().format().rate} * kLevelWindowMs / 1000;
        host.setError(BASS_OK);
        if (LevelTrail* trail = record.trail()) {
            const uint64_t heard = source.mixer().mixer().heardClock();
            return trail->levelsBetween(heard - std::min(heard, window), heard);
        }
        if (record.finished())
            return 0;
        // Without the buffer flag: the stream's latest data at its present gains.
        float left = 0, right = 0;
        HostChannel& stream = source.stream();
        const uint32_t inChans = record.inChans();
        const uint32_t outChans = source.mixer().mixer().format().chans;
        stream.recentPeaks(
            static_cast<uint32_t>(uint64_t{stream.format().rate} * kLevelWindowMs / 1000), &left,
            &right);
        std::vector<float> gains(size_t{outChans} * inChans);
        computeGains(record.matrix(), record.defaultGains(), record.usesMatrix(), stream.volume(),
                     stream.pan(), inChans, outChans, gains.data());
        float level[2] = {0, 0};
        for (uint32_t o = 0; o < std::min(outChans, 2u); ++o) {
            for (uint32_t c = 0; c < std::min(inChans, 2u); ++c)
                level[o] += std::fabs(gains[size_t{o} * inChans + c]) * (c == 0 ? left : right);
        }
        return packLevels(level[0], outChans > 1 ? level[1] : level[0]);
    });
}

QWORD BASS_Mixer_ChannelGetPosition(DWORD handle, DWORD mode) {
    return onSource(handle, kNoValue, [&](const Host& host, LockedSource& source) -> QWORD {
        if ((mode & ~DWORD{BASS_POS_DECODE}) != BASS_POS_BYTE)
            return fail(host, BASS_ERROR_NOTAVAIL, kNoValue);
        HostChannel& stream = source.stream();
        uint64_t frames = stream.position();
        LevelTrail* trail = source.record().trail();
        if (trail && !(mode & BASS_POS_DECODE))
            frames = trail->positionAt(source.mixer().mixer().heardClock(),
                                       source.record().positionAtAdd());
        host.setError(BASS_OK);
        return stream.format().bytesFromFrames(frames);
    });
}

} // extern "C"
