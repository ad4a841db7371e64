// Entry points and configuration record of libgbxlame.so, the MP3 encoder the renderer loads.
//
// Call order for one MP3 file (all results: 0 = success, otherwise a GbxLameResult):
//   1. beInitStream(&config, &chunkSamples, &outputBytes, &stream); allocate an output buffer of
//      outputBytes and a PCM buffer of chunkSamples 16-bit samples.
//   2. beEncodeChunk(stream, samples, pcm, output, &written) for each piece of interleaved 16-bit
//      PCM (samples counts every channel's samples, at most chunkSamples); append `written`
//      bytes of output to the file.
//   3. beDeinitStream(stream, output, &written); append `written` bytes.
//   4. beGetInfoTag(stream, output, &written); write those bytes over the file's first `written`
//      bytes (seek to 0, write, seek back to the end).
//   5. beCloseStream(stream).
//
// Gapless playback: the encoder's first output is a placeholder frame, always at the very start
// of the file (no ID3 tag is written). Only after the flush in step 3 are the encoder delay,
// padding and frame count known; step 4 hands the finished tag frame, of exactly the
// placeholder's size, so decoders that read it trim the delay and padding and play the file at
// its true length. A host that skips step 4 still has a playable file, only not a gapless one.
//
// Streams are independent; each may be used by one thread at a time.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GBXLAME_API __attribute__((visibility("default")))

#define GBXLAME_VERSION_MAJOR 1
#define GBXLAME_VERSION_MINOR 0

enum {
    GBXLAME_CONFIG_KIND = 256,  // the only kind of record understood
    GBXLAME_CONFIG_VERSION = 1, // the only record version understood
    GBXLAME_CONFIG_BYTES = 331,
};

// Modes as the record gives them; input PCM has one channel in mono mode, two otherwise.
enum GbxLameMode {
    GBXLAME_MODE_STEREO = 0,
    GBXLAME_MODE_JOINT_STEREO = 1,
    GBXLAME_MODE_DUAL_CHANNEL = 2, // encoded as plain stereo
    GBXLAME_MODE_MONO = 3,
};

// Variable bit rate methods (record field vbrMethod, read when enableVbr is set).
enum GbxLameVbrMethod {
    GBXLAME_VBR_DEFAULT = 0, // the encoder's recommended method
    GBXLAME_VBR_OLD = 1,
    GBXLAME_VBR_NEW = 2,
    GBXLAME_VBR_MTRH = 3, // same as new
    GBXLAME_VBR_ABR = 4,  // average bit rate abrBitRate
};

enum GbxLameResult {
    GBXLAME_OK = 0,
    GBXLAME_BAD_RECORD = 1,  // kind, version or size is not ours
    GBXLAME_BAD_SETTING = 2, // a rate, mode, bit rate or quality the encoder cannot use
    GBXLAME_NO_MEMORY = 3,
    GBXLAME_BAD_HANDLE = 4,     // no open stream has that handle
    GBXLAME_BAD_ARGUMENT = 5,   // null pointer, or a sample count the stream cannot take
    GBXLAME_ENCODER_FAILED = 6, // libmp3lame reported an error
    GBXLAME_WRONG_ORDER = 7,    // encoding after the flush, or the tag before it
};

// The configuration record: 331 bytes, byte-packed, little-endian, zero-filled.
// Booleans are 32-bit: 0 false, anything else (the renderer writes -1) true.
#pragma pack(push, 1)
typedef struct GbxLameConfig {
    uint32_t kind;       // GBXLAME_CONFIG_KIND
    uint32_t version;    // GBXLAME_CONFIG_VERSION
    uint32_t size;       // GBXLAME_CONFIG_BYTES
    int32_t inputRate;   // PCM sample rate, 1000..384000
    int32_t outputRate;  // an MPEG rate; 0: inputRate if MPEG has it, else the encoder's pick
    int32_t mode;        // GbxLameMode
    int32_t bitRate;     // kbit/s, 8..320 (0: the encoder's pick): constant rate; VBR minimum
    int32_t maxBitRate;  // kbit/s, 0 or 8..320: with VBR the maximum; else ignored
    int32_t preset;      // -1 or 0 (none); presets are not offered
    int32_t mpegVersion; // ignored: the output rate decides it
    int32_t psychoModel; // ignored: libmp3lame has one
    int32_t emphasis;    // 0..3
    int32_t privateBit;
    int32_t crc;
    int32_t copyright;      // frame header protected-content bit
    int32_t original;       // frame header home bit
    int32_t writeVbrHeader; // ignored: the tag frame is always reserved, see above
    int32_t enableVbr;
    int32_t vbrQuality; // 0 (best) .. 9
    int32_t abrBitRate; // kbit/s, 8..320, for GBXLAME_VBR_ABR
    int32_t vbrMethod;  // GbxLameVbrMethod
    int32_t noReservoir;
    int32_t strictIso;
    uint16_t quality; // 0 (best, slowest) .. 9
    uint8_t reserved[237];
} GbxLameConfig;
#pragma pack(pop)

#ifdef __cplusplus
#define GBXLAME_STATIC_ASSERT static_assert
#else
#define GBXLAME_STATIC_ASSERT _Static_assert
#endif
GBXLAME_STATIC_ASSERT(sizeof(GbxLameConfig) == GBXLAME_CONFIG_BYTES, "record is 331 bytes");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, inputRate) == 12, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, mode) == 20, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, preset) == 32, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, crc) == 52, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, enableVbr) == 68, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, strictIso) == 88, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, quality) == 92, "record layout");
GBXLAME_STATIC_ASSERT(offsetof(GbxLameConfig, reserved) == 94, "record layout");
#undef GBXLAME_STATIC_ASSERT

typedef struct GbxLameVersion {
    uint8_t major; // this library
    uint8_t minor;
    uint8_t lameMajor; // the libmp3lame it runs on
    uint8_t lameMinor;
    char lameText[64]; // libmp3lame's own version text, zero-terminated
} GbxLameVersion;

// Opens a stream. On success chunkSamples is the most samples (all channels counted) one
// beEncodeChunk takes, outputBytes the output buffer every other call needs, stream the handle.
// On failure stream is set to 0.
GBXLAME_API uint32_t beInitStream(const GbxLameConfig* config, uint32_t* chunkSamples,
                                  uint32_t* outputBytes, uint32_t* stream);

// Encodes `samples` interleaved 16-bit samples (a whole number of frames, at most chunkSamples)
// into `output` (outputBytes long); `written` receives the bytes produced, possibly 0.
GBXLAME_API uint32_t beEncodeChunk(uint32_t stream, uint32_t samples, const int16_t* pcm,
                                   uint8_t* output, uint32_t* written);

// Flushes the encoder: the last frames go to `output`. No encoding after this.
GBXLAME_API uint32_t beDeinitStream(uint32_t stream, uint8_t* output, uint32_t* written);

// After beDeinitStream: the finished tag frame that replaces the first bytes of the file.
GBXLAME_API uint32_t beGetInfoTag(uint32_t stream, uint8_t* output, uint32_t* written);

// Releases the stream; its handle is invalid afterwards.
GBXLAME_API uint32_t beCloseStream(uint32_t stream);

// Fills `version`; does nothing when it is null.
GBXLAME_API void beVersion(GbxLameVersion* version);

#ifdef __cplusplus
}
#endif
