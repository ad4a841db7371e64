#include "Attributes.h"

#include "gbxaudio.h"

#include <cmath>

namespace gbxaudio {

namespace {
constexpr float kMaxVolume = 1000.0f;
}

bool Attributes::fromCode(uint32_t code, Id* id) {
    if (code == BASS_ATTRIB_VOL)
        *id = Id::Volume;
    else if (code == BASS_ATTRIB_PAN)
        *id = Id::Pan;
    else
        return false;
    return true;
}

bool Attributes::isValid(Id id, float value) {
    if (!std::isfinite(value))
        return false;
    if (id == Id::Volume)
        return value >= 0 && value <= kMaxVolume;
    return value >= -1 && value <= 1;
}

void Attributes::set(Id id, float value) {
    std::lock_guard lock(m_mutex);
    Value& v = this->value(id);
    v.from = v.to = value;
    v.length = {};
}

void Attributes::slide(Id id, float value, uint32_t ms) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(m_mutex);
    Value& v = this->value(id);
    v.from = v.at(now);
    v.to = value;
    v.start = now;
    v.length = std::chrono::milliseconds(ms);
}

float Attributes::get(Id id) const {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(m_mutex);
    return (id == Id::Volume ? m_volume : m_pan).at(now);
}

float Attributes::Value::at(Clock::time_point now) const {
    if (length.count() <= 0 || now >= start + length)
        return to;
    const double done = std::chrono::duration<double>(now - start) / length;
    return static_cast<float>(from + (to - from) * done);
}

} // namespace gbxaudio
