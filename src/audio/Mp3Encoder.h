// An MP3 encoder library with the Blade entry points, loaded at run time for one render.
#pragma once

#include "audio/EncoderRecord.h"

#include <QString>

#include <cstdint>
#include <vector>

// The library is loaded by Open and unloaded by Close (or the destructor). UI thread only.
class Mp3Encoder {
public:
    Mp3Encoder() = default;
    ~Mp3Encoder();
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    // Loads the library (with the fall-back rule) and opens a stream with the record. False with a
    // report line when the library does not load or lacks a call (text 358, subject the library)
    // or refuses the record (text 359, subject the file being rendered).
    bool Open(const QString& libraryPath, const EncoderRecordBytes& record,
              const QString& fileName);
    // The most 16-bit samples, every track counted, that one Encode takes.
    uint32_t ChunkSamples() const { return m_chunkSamples; }

    // Each gives the encoder's result (0: success) and leaves its bytes in Output().
    uint32_t Encode(const int16_t* pcm, uint32_t samples);
    // The last frames; no encoding after it.
    uint32_t Flush();
    // After Flush: the finished tag frame that replaces the file's first bytes. None from a
    // library without the call, or when it has no tag to give.
    bool InfoTag();
    const std::vector<uint8_t>& Output() const { return m_output; }

    // Closes the stream, once it was opened, and unloads the library.
    void Close();

private:
    using InitStream = uint32_t (*)(const void*, uint32_t*, uint32_t*, uint32_t*);
    using EncodeChunk = uint32_t (*)(uint32_t, uint32_t, const int16_t*, uint8_t*, uint32_t*);
    using DeinitStream = uint32_t (*)(uint32_t, uint8_t*, uint32_t*);
    using CloseStream = uint32_t (*)(uint32_t);
    using GetInfoTag = uint32_t (*)(uint32_t, uint8_t*, uint32_t*);

    // Sizes the output to what the call wrote.
    uint32_t took(uint32_t result, uint32_t written);

    void* m_library = nullptr;
    InitStream m_init = nullptr;
    EncodeChunk m_encode = nullptr;
    DeinitStream m_deinit = nullptr;
    CloseStream m_close = nullptr;
    GetInfoTag m_infoTag = nullptr;
    uint32_t m_stream = 0;
    uint32_t m_chunkSamples = 0;
    uint32_t m_outputBytes = 0;
    std::vector<uint8_t> m_output;
};
