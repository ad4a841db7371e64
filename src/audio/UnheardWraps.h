// Wraps of the loop that are mixed but not yet heard. A wrap leaves the mix stream's bytes running
// on and starts a segment whose origin (the play position of byte 0) is the range's start minus
// the byte the wrap ran at. The heard position takes the origin of the segment its byte falls in,
// so that it never adds one segment's bytes to another's origin while the end sync is still due.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

class UnheardWraps {
public:
    // Room for the wraps a range much shorter than the output buffer has under way. Beyond it
    // the oldest leaves the list, and only its origin is kept, for the bytes from it on.
    static constexpr size_t kCapacity = 16;

    void Clear() {
        m_count = 0;
        m_left.reset();
    }
    size_t Count() const { return m_count; }
    bool Empty() const { return m_count == 0 && !m_left; }
    // A wrap ran at mix byte `from`; the bytes from there on count from `origin`.
    void Add(int64_t from, int64_t origin);
    // The origin of the segment that holds `byte`: the latest wrap at or before it, else `heard`
    // (the origin of the segment heard before the oldest wrap listed).
    int64_t OriginAt(int64_t byte, int64_t heard) const;
    // The range's end is heard at `byte`: the wraps at or before it are heard now. The origin of
    // the last of them, none when no wrap was listed there.
    std::optional<int64_t> TakeHeard(int64_t byte);

private:
    struct Wrap {
        int64_t from;
        int64_t origin;
    };
    const Wrap& at(size_t index) const { return m_wraps[(m_first + index) % kCapacity]; }

    std::array<Wrap, kCapacity> m_wraps{};
    std::optional<Wrap> m_left; // the last wrap that left a full list unheard
    size_t m_first = 0;
    size_t m_count = 0;
};
