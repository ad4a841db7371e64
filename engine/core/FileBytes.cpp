#include "FileBytes.h"

#include "gbxaudio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <new>

namespace gbxaudio {

bool readFileFacts(const std::string& path, FileFacts* facts) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    facts->modifiedNs = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    facts->size = static_cast<uint64_t>(info.st_size);
    return true;
}

int readFileRegion(const std::string& path, uint64_t offset, uint64_t length,
                   std::vector<uint8_t>& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return BASS_ERROR_FILEOPEN;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        close(fd);
        return BASS_ERROR_FILEOPEN;
    }
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    if (offset > size) {
        close(fd);
        return BASS_ERROR_FILEFORM;
    }
    uint64_t want = size - offset;
    if (length != 0 && length < want)
        want = length;
    try {
        bytes.resize(static_cast<size_t>(want));
    } catch (const std::bad_alloc&) {
        close(fd);
        return BASS_ERROR_MEM;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (got <= 0)
            break;
        done += static_cast<size_t>(got);
    }
    close(fd);
    bytes.resize(done);
    return BASS_OK;
}

uint64_t hashBytes(const uint8_t* data, size_t size) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    uint64_t h = size * kMul;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, data + i, 8);
        h = (h ^ word) * kMul;
        h ^= h >> 29;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, data + i, size - i);
    h = (h ^ tail) * kMul;
    return h ^ (h >> 32);
}

} // namespace gbxaudio
