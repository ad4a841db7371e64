#include "LameSettings.h"

#include <algorithm>
#include <array>

namespace {

bool isMpegRate(int rate) {
    static constexpr std::array rates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    return std::find(rates.begin(), rates.end(), rate) != rates.end();
}

// libmp3lame snaps a bit rate to the nearest one its MPEG version has.
bool isBitRate(int kbps) {
    return kbps >= 8 && kbps <= 320;
}
bool isBitRateOrZero(int kbps) {
    return kbps == 0 || isBitRate(kbps);
}

bool isLevel(int level) {
    return level >= 0 && level <= 9;
}

uint32_t applyVbr(lame_t lame, const GbxLameConfig& config) {
    if (!isLevel(config.vbrQuality) || !isBitRateOrZero(config.bitRate) ||
        !isBitRateOrZero(config.maxBitRate))
        return GBXLAME_BAD_SETTING;
    if (config.bitRate != 0 && config.maxBitRate != 0 && config.bitRate > config.maxBitRate)
        return GBXLAME_BAD_SETTING;
    switch (config.vbrMethod) {
    case GBXLAME_VBR_DEFAULT:
        lame_set_VBR(lame, vbr_default);
        break;
    case GBXLAME_VBR_OLD:
        lame_set_VBR(lame, vbr_rh);
        break;
    case GBXLAME_VBR_NEW:
    case GBXLAME_VBR_MTRH:
        lame_set_VBR(lame, vbr_mtrh);
        break;
    case GBXLAME_VBR_ABR:
        if (!isBitRate(config.abrBitRate))
            return GBXLAME_BAD_SETTING;
        lame_set_VBR(lame, vbr_abr);
        lame_set_VBR_mean_bitrate_kbps(lame, config.abrBitRate);
        break;
    default:
        return GBXLAME_BAD_SETTING;
    }
    lame_set_VBR_q(lame, config.vbrQuality);
    lame_set_VBR_min_bitrate_kbps(lame, config.bitRate);
    lame_set_VBR_max_bitrate_kbps(lame, config.maxBitRate);
    return GBXLAME_OK;
}

} // namespace

uint32_t applyLameSettings(lame_t lame, const GbxLameConfig& config, int& channels) {
    if (config.kind != GBXLAME_CONFIG_KIND || config.version != GBXLAME_CONFIG_VERSION ||
        config.size != GBXLAME_CONFIG_BYTES)
        return GBXLAME_BAD_RECORD;
    if (config.inputRate < 1000 || config.inputRate > 384000)
        return GBXLAME_BAD_SETTING;
    if (config.outputRate != 0 && !isMpegRate(config.outputRate))
        return GBXLAME_BAD_SETTING;
    if (config.mode < GBXLAME_MODE_STEREO || config.mode > GBXLAME_MODE_MONO)
        return GBXLAME_BAD_SETTING;
    if (config.preset != -1 && config.preset != 0)
        return GBXLAME_BAD_SETTING;
    if (config.emphasis < 0 || config.emphasis > 3 || !isLevel(config.quality))
        return GBXLAME_BAD_SETTING;

    channels = config.mode == GBXLAME_MODE_MONO ? 1 : 2;
    lame_set_num_channels(lame, channels);
    lame_set_mode(lame, config.mode == GBXLAME_MODE_MONO           ? MONO
                        : config.mode == GBXLAME_MODE_JOINT_STEREO ? JOINT_STEREO
                                                                   : STEREO);
    lame_set_in_samplerate(lame, config.inputRate);
    const bool keepInputRate = config.outputRate == 0 && isMpegRate(config.inputRate);
    lame_set_out_samplerate(lame, keepInputRate ? config.inputRate : config.outputRate);
    lame_set_quality(lame, config.quality);
    lame_set_emphasis(lame, config.emphasis);
    lame_set_extension(lame, config.privateBit != 0);
    lame_set_error_protection(lame, config.crc != 0);
    lame_set_copyright(lame, config.copyright != 0);
    lame_set_original(lame, config.original != 0);
    lame_set_disable_reservoir(lame, config.noReservoir != 0);
    lame_set_strict_ISO(lame, config.strictIso != 0);
    // The tag frame carries delay and padding, which gapless playback needs.
    lame_set_bWriteVbrTag(lame, 1);
    // Nothing may precede the tag frame, where the host expects it.
    lame_set_write_id3tag_automatic(lame, 0);

    if (config.enableVbr != 0)
        return applyVbr(lame, config);
    if (!isBitRateOrZero(config.bitRate))
        return GBXLAME_BAD_SETTING;
    lame_set_VBR(lame, vbr_off);
    if (config.bitRate != 0)
        lame_set_brate(lame, config.bitRate);
    return GBXLAME_OK;
}
