#include "SampleConvert.h"

#include "HotKernel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gbxaudio {

GBX_HOT_KERNEL void convertSamples(const float* in, size_t samples, SampleType type, void* out) {
    switch (type) {
    case SampleType::Float32:
        if (in != out)
            std::memmove(out, in, samples * sizeof(float));
        return;
    case SampleType::Int16: {
        auto* to = static_cast<int16_t*>(out);
        for (size_t i = 0; i < samples; ++i)
            to[i] = static_cast<int16_t>(static_cast<int32_t>(
                std::rintf(std::clamp(in[i] * 32768.0f, -32768.0f, 32767.0f))));
        return;
    }
    case SampleType::Int8: {
        auto* to = static_cast<uint8_t*>(out);
        for (size_t i = 0; i < samples; ++i)
            to[i] = static_cast<uint8_t>(
                static_cast<int32_t>(std::rintf(std::clamp(in[i] * 128.0f, -128.0f, 127.0f))) +
                128);
        return;
    }
    }
}

} // namespace gbxaudio
