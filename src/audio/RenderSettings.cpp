// Reading the render settings.
#include "audio/RenderSettings.h"

#include "support/PathText.h"
#include "support/WideMemIniFile.h"

#include <algorithm>

RenderSettings ReadRenderSettings(const TWideCustomIniFile& settings) {
    const QString section = QStringLiteral("Perpetuator");
    const auto number = [&](const char* key, int32_t def) {
        return settings.ReadInteger(section, QString::fromLatin1(key), def);
    };
    RenderSettings out;
    out.bufferBytes = static_cast<uint32_t>(
        std::max(number("BufferBytes", static_cast<int32_t>(out.bufferBytes)), 0));
    out.encoderLibrary = ToLinuxSeparators(
        settings.ReadString(section, QStringLiteral("EncoderDLL"), out.encoderLibrary));
    Mp3Settings& mp3 = out.mp3;
    mp3.bitRate = number("MP3.BitRate", mp3.bitRate);
    mp3.outputRate = number("MP3.ElementRate", mp3.outputRate);
    mp3.quality = number("MP3.Quality", mp3.quality);
    mp3.vbrMinBitRate = number("VBR.MinBitRate", mp3.vbrMinBitRate);
    mp3.vbrQuality = number("VBR.Quality", mp3.vbrQuality);
    mp3.vbrMethod = number("VBR.Method", mp3.vbrMethod);
    return out;
}
