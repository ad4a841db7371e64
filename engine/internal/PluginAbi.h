/* The C interface between the core and a decoder plug-in such as libgbxaudioflac.so. */
#ifndef GBXAUDIO_PLUGIN_ABI_H
#define GBXAUDIO_PLUGIN_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GBXAUDIO_PLUGIN_ABI 1

/* Receives the decoded audio; each function returns 0 to go on. */
typedef struct {
    void* context;
    /* Called once before any frames; frameCount is 0 when unknown. */
    int (*begin)(void* context, uint32_t rate, uint32_t chans, uint32_t origBits,
                 uint64_t frameCount);
    /* Interleaved float frames, full scale +-1. */
    int (*write)(void* context, const float* frames, uint32_t count);
} GbxAudioSink;

typedef struct {
    uint32_t abi;
    const char* name;
    /* Nonzero when the bytes look like this plug-in's format. */
    int (*probe)(const void* data, uint64_t size);
    /* Decodes the whole block into the sink; 0 on success, else an engine error code. */
    int (*decode)(const void* data, uint64_t size, const GbxAudioSink* sink);
} GbxAudioPlugin;

/* The one entry point a plug-in exports; NULL for an ABI it does not speak. */
typedef const GbxAudioPlugin* GbxAudioPluginEntry(uint32_t abi);
#define GBXAUDIO_PLUGIN_ENTRY_NAME "gbxAudioPlugin"

#ifdef __cplusplus
}
#endif

#endif
