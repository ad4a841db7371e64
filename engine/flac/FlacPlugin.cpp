// The entry point of the FLAC plug-in.
#include "FlacDecoder.h"
#include "PluginAbi.h"

namespace {

int probe(const void* data, uint64_t size) {
    return gbxaudio::looksLikeFlac(static_cast<const uint8_t*>(data), static_cast<size_t>(size));
}

int decode(const void* data, uint64_t size, const GbxAudioSink* sink) {
    return gbxaudio::decodeFlac(static_cast<const uint8_t*>(data), static_cast<size_t>(size),
                                *sink);
}

const GbxAudioPlugin kPlugin{GBXAUDIO_PLUGIN_ABI, "FLAC", probe, decode};

} // namespace

extern "C" __attribute__((visibility("default"))) const GbxAudioPlugin*
gbxAudioPlugin(uint32_t abi) {
    return abi == GBXAUDIO_PLUGIN_ABI ? &kPlugin : nullptr;
}
