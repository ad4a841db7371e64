// What identifies a file's content on disk, reading a region of it, and hashing memory blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gbxaudio {

struct FileFacts {
    int64_t modifiedNs = 0;
    uint64_t size = 0;
};

// False when the path names no readable regular file.
bool readFileFacts(const std::string& path, FileFacts* facts);

// The bytes from `offset` on, `length` of them (0: to the end). BASS_OK, BASS_ERROR_FILEOPEN,
// BASS_ERROR_FILEFORM (offset past the end) or BASS_ERROR_MEM.
int readFileRegion(const std::string& path, uint64_t offset, uint64_t length,
                   std::vector<uint8_t>& bytes);

// A 64-bit hash of a memory block, to recognise the same block given again.
uint64_t hashBytes(const uint8_t* data, size_t size);

} // namespace gbxaudio
