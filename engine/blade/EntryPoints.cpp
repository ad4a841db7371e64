// The exported C entry points: argument checks, handle look-up, no exception crosses them.
#include "gbxlame.h"

#include "StreamRegistry.h"

#include <cstdio>
#include <new>

namespace {

template <typename Work> uint32_t guarded(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return GBXLAME_NO_MEMORY;
    } catch (...) {
        return GBXLAME_ENCODER_FAILED;
    }
}

// Runs `work` on the open stream `handle` with checked output pointers.
template <typename Work>
uint32_t withStream(uint32_t handle, uint8_t* output, uint32_t* written, Work work) {
    return guarded([&] {
        if (written)
            *written = 0;
        if (!output || !written)
            return uint32_t{GBXLAME_BAD_ARGUMENT};
        const auto stream = StreamRegistry::instance().find(handle);
        if (!stream)
            return uint32_t{GBXLAME_BAD_HANDLE};
        return work(*stream);
    });
}

} // namespace

extern "C" {

uint32_t beInitStream(const GbxLameConfig* config, uint32_t* chunkSamples, uint32_t* outputBytes,
                      uint32_t* stream) {
    return guarded([&] {
        if (stream)
            *stream = 0;
        if (!config || !chunkSamples || !outputBytes || !stream)
            return uint32_t{GBXLAME_BAD_ARGUMENT};
        uint32_t result = GBXLAME_OK;
        auto opened = LameStream::open(*config, result);
        if (!opened)
            return result;
        *chunkSamples = opened->chunkSamples();
        *outputBytes = opened->outputBytes();
        *stream = StreamRegistry::instance().add(std::move(opened));
        return uint32_t{GBXLAME_OK};
    });
}

uint32_t beEncodeChunk(uint32_t stream, uint32_t samples, const int16_t* pcm, uint8_t* output,
                       uint32_t* written) {
    return withStream(stream, output, written, [&](LameStream& open) {
        if (!pcm && samples != 0)
            return uint32_t{GBXLAME_BAD_ARGUMENT};
        return open.encode(pcm, samples, output, *written);
    });
}

uint32_t beDeinitStream(uint32_t stream, uint8_t* output, uint32_t* written) {
    return withStream(stream, output, written,
                      [&](LameStream& open) { return open.flush(output, *written); });
}

uint32_t beGetInfoTag(uint32_t stream, uint8_t* output, uint32_t* written) {
    return withStream(stream, output, written,
                      [&](LameStream& open) { return open.infoTag(output, *written); });
}

uint32_t beCloseStream(uint32_t stream) {
    return guarded([&] {
        return StreamRegistry::instance().remove(stream) ? uint32_t{GBXLAME_OK}
                                                         : uint32_t{GBXLAME_BAD_HANDLE};
    });
}

void beVersion(GbxLameVersion* version) {
    if (!version)
        return;
    lame_version_t lame{};
    get_lame_version_numerical(&lame);
    version->major = GBXLAME_VERSION_MAJOR;
    version->minor = GBXLAME_VERSION_MINOR;
    version->lameMajor = static_cast<uint8_t>(lame.major);
    version->lameMinor = static_cast<uint8_t>(lame.minor);
    std::snprintf(version->lameText, sizeof version->lameText, "%s", get_lame_version());
}

} // extern "C"
