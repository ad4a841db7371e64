// Writes a demo sound as a 16-bit stereo WAV file.
#include "demogen/WavWriter.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Rounded and clipped here rather than by the library, so the bytes depend on nothing else.
int16_t ToPcm16(float value) {
    return static_cast<int16_t>(std::clamp(std::lround(value * 32767.0f), -32768L, 32767L));
}

} // namespace

QString WriteWav16(const QString& path, const StereoSound& sound) {
    SF_INFO info{};
    info.samplerate = kSynthRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!file)
        return QStringLiteral("Cannot create \"%1\": %2").arg(path, sf_strerror(nullptr));

    std::vector<int16_t> interleaved(2 * sound.frames());
    for (int64_t i = 0; i < sound.frames(); ++i) {
        interleaved[2 * i] = ToPcm16(sound.left[i]);
        interleaved[2 * i + 1] = ToPcm16(sound.right[i]);
    }
    QString fault;
    if (sf_writef_short(file, interleaved.data(), sound.frames()) != sound.frames())
        fault = QStringLiteral("Cannot write \"%1\": %2").arg(path, sf_strerror(file));
    if (sf_close(file) != 0 && fault.isEmpty())
        fault = QStringLiteral("Cannot finish \"%1\"").arg(path);
    return fault;
}
