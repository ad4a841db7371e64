// Volume and pan of a channel, each optionally sliding linearly over wall-clock time.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>

namespace gbxaudio {

class Attributes {
public:
    enum class Id : uint8_t { Volume, Pan };

    // Maps BASS_ATTRIB_VOL / BASS_ATTRIB_PAN; false for anything else.
    static bool fromCode(uint32_t code, Id* id);
    // Volume: 0 or more; pan: -1..1; both finite.
    static bool isValid(Id id, float value);

    // Any thread. Setting a value ends a slide of it.
    void set(Id id, float value);
    void slide(Id id, float value, uint32_t ms);
    float get(Id id) const;

private:
    using Clock = std::chrono::steady_clock;
    struct Value {
        float from = 0;
        float to = 0;
        Clock::time_point start{};
        Clock::duration length{};
        float at(Clock::time_point now) const;
    };

    Value& value(Id id) { return id == Id::Volume ? m_volume : m_pan; }

    mutable std::mutex m_mutex;
    Value m_volume{1, 1};
    Value m_pan{0, 0};
};

} // namespace gbxaudio
