// Exported calls: decoding streams, channel facts and positions.
#include "ChannelCall.h"
#include "Engine.h"
#include "FileBytes.h"
#include "FileCursor.h"
#include "LastError.h"
#include "gbxaudio.h"

#include <string>
#include <vector>

using namespace gbxaudio;

namespace {

constexpr QWORD kNoValue = ~QWORD{0};
constexpr DWORD kStreamFlags =
    BASS_SAMPLE_8BITS | BASS_SAMPLE_FLOAT | BASS_STREAM_PRESCAN | BASS_STREAM_DECODE | BASS_UNICODE;

// The decoded audio a request names: from the cache, else decoded now and cached.
std::shared_ptr<const DecodedAudio> decodedAudio(bool memory, const void* file, QWORD offset,
                                                 QWORD length, std::string* fileName, int* error) {
    Engine& engine = Engine::instance();
    CacheKey key;
    key.offset = offset;
    key.length = length;
    key.pluginGeneration = engine.plugins().generation();
    const uint8_t* block = nullptr;
    size_t blockSize = 0;
    if (memory) {
        if (length == 0 || offset >= length) {
            *error = BASS_ERROR_ILLPARAM;
            return nullptr;
        }
        block = static_cast<const uint8_t*>(file) + offset;
        blockSize = static_cast<size_t>(length - offset);
        key.contentHash = hashBytes(block, blockSize);
    } else {
        *fileName = static_cast<const char*>(file);
        FileFacts facts;
        if (!readFileFacts(*fileName, &facts)) {
            *error = BASS_ERROR_FILEOPEN;
            return nullptr;
        }
        key.path = *fileName;
        key.modifiedNs = facts.modifiedNs;
        key.fileSize = facts.size;
    }
    if (auto cached = engine.cache().find(key))
        return cached;
    std::vector<uint8_t> bytes;
    if (!memory) {
        *error = readFileRegion(*fileName, offset, length, bytes);
        if (*error != BASS_OK)
            return nullptr;
        block = bytes.data();
        blockSize = bytes.size();
    }
    auto decoded = std::make_shared<DecodedAudio>();
    *error = decodeFile(block, blockSize, engine.plugins(), *decoded);
    if (*error != BASS_OK)
        return nullptr;
    auto audio = engine.cache().insert(key, std::move(decoded));
    if (!audio)
        *error = BASS_ERROR_MEM;
    return audio;
}

} // namespace

extern "C" {

DWORD BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags) {
    return guarded(DWORD{0}, [&]() -> DWORD {
        Engine& engine = Engine::instance();
        if (!engine.initialised())
            return fail(BASS_ERROR_INIT, DWORD{0});
        if (!file)
            return fail(mem ? BASS_ERROR_ILLPARAM : BASS_ERROR_FILEOPEN, DWORD{0});
        ChannelIdentity identity;
        int error = BASS_OK;
        auto audio = decodedAudio(mem != FALSE, file, offset, length, &identity.fileName, &error);
        if (!audio)
            return fail(error, DWORD{0});
        identity.format = AudioFormat{audio->rate, audio->chans, sampleTypeFromFlags(flags)};
        identity.flags = flags & kStreamFlags;
        identity.ctype = GBXAUDIO_CTYPE_FILE;
        identity.origBits = audio->origBits;
        identity.plugin = audio->plugin;
        const Handle handle =
            engine.addChannel(std::make_unique<FileCursor>(std::move(audio)), std::move(identity));
        if (handle)
            setLastError(BASS_OK);
        return handle;
    });
}

BOOL BASS_StreamFree(DWORD stream) {
    return guarded(FALSE, [&]() -> BOOL {
        Engine& engine = Engine::instance();
        auto channel = engine.registry().remove(stream);
        if (!channel)
            return fail(BASS_ERROR_HANDLE, FALSE);
        channel->markFreed();
        if (auto output = engine.output())
            output->stop(*channel);
        setLastError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO* info) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        if (!info)
            return fail(BASS_ERROR_ILLPARAM, FALSE);
        const ChannelIdentity& id = channel->identity();
        *info = BASS_CHANNELINFO{id.format.rate,
                                 id.format.chans,
                                 id.flags,
                                 id.ctype,
                                 id.origBits,
                                 id.plugin,
                                 0,
                                 id.fileName.empty() ? nullptr : id.fileName.c_str()};
        setLastError(BASS_OK);
        return TRUE;
    });
}

QWORD BASS_ChannelGetLength(DWORD handle, DWORD mode) {
    return onChannel(handle, kNoValue, [&](const SharedChannel& channel) -> QWORD {
        const uint64_t frames = channel->producer().lengthFrames();
        if (mode != BASS_POS_BYTE || frames == kUnknownLength)
            return fail(BASS_ERROR_NOTAVAIL, kNoValue);
        setLastError(BASS_OK);
        return channel->format().bytesFromFrames(frames);
    });
}

double BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos) {
    return onChannel(handle, -1.0, [&](const SharedChannel& channel) -> double {
        const AudioFormat format = channel->format();
        setLastError(BASS_OK);
        return static_cast<double>(pos) / (double(format.rate) * format.frameBytes());
    });
}

QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode) {
    return onChannel(handle, kNoValue, [&](const SharedChannel& channel) -> QWORD {
        if ((mode & ~DWORD{BASS_POS_DECODE}) != BASS_POS_BYTE)
            return fail(BASS_ERROR_NOTAVAIL, kNoValue);
        uint64_t frames = channel->position();
        if (!(mode & BASS_POS_DECODE)) {
            if (auto slot = channel->playSlot())
                frames = slot->heardPosition();
        }
        setLastError(BASS_OK);
        return channel->format().bytesFromFrames(frames);
    });
}

BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        if (mode != BASS_POS_BYTE)
            return fail(BASS_ERROR_NOTAVAIL, FALSE);
        if (!channel->setPosition(channel->format().framesFromBytes(pos)))
            return fail(channel->freed() ? BASS_ERROR_HANDLE : BASS_ERROR_POSITION, FALSE);
        setLastError(BASS_OK);
        return TRUE;
    });
}

} // extern "C"
