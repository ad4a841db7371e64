// Reading the render settings.
#include "audio/RenderSettings.h"

#include "support/PathText.h"
#include "support/SettingKeys.h"

#include <algorithm>

RenderSettings ReadRenderSettings(const TWideCustomIniFile& settings) {
    RenderSettings out;
    out.bufferBytes = static_cast<uint32_t>(
        std::max(ReadSettingInt(settings, Setting("Perpetuator", "BufferBytes")), 0));
    out.encoderLibrary =
        ToLinuxSeparators(ReadSettingText(settings, Setting("Perpetuator", "EncoderDLL")));
    Mp3Settings& mp3 = out.mp3;
    mp3.bitRate = ReadSettingInt(settings, Setting("Perpetuator", "MP3.BitRate"));
    mp3.outputRate = ReadSettingInt(settings, Setting("Perpetuator", "MP3.ElementRate"));
    mp3.quality = ReadSettingInt(settings, Setting("Perpetuator", "MP3.Quality"));
    mp3.vbrMinBitRate = ReadSettingInt(settings, Setting("Perpetuator", "VBR.MinBitRate"));
    mp3.vbrQuality = ReadSettingInt(settings, Setting("Perpetuator", "VBR.Quality"));
    mp3.vbrMethod = ReadSettingInt(settings, Setting("Perpetuator", "VBR.Method"));
    return out;
}
