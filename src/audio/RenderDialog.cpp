// Filter texts and indexes of the render dialog.
#include "audio/RenderDialog.h"

#include "texts/Parlance.h"
#include "texts/TextFormat.h"

namespace {

constexpr int kTextWavPlain = 201;
constexpr int kTextWavDetailed = 205;
constexpr int kTextMono = 206;
constexpr int kTextStereo = 207;
constexpr int kTextTracks = 208;
constexpr int kTextMp3Plain = 270;
constexpr int kTextMp3Detailed = 271;
constexpr int kTextBitRateUnit = 272;

} // namespace

QString RenderFilter(bool extendedInfo, int32_t elementRate, uint32_t tracks, int32_t mp3BitRate) {
    if (!extendedInfo)
        return Text(kTextMp3Plain) + Text(kTextWavPlain);
    const QString rate = QString::number(elementRate);
    const QString wavTracks = tracks == 1   ? Text(kTextMono)
                              : tracks == 2 ? Text(kTextStereo)
                                            : FormatText(kTextTracks, {QString::number(tracks)});
    const QString mp3Tracks = Text(tracks == 1 ? kTextMono : kTextStereo);
    const QString bitRate = QString::number(mp3BitRate) + ' ' + Text(kTextBitRateUnit);
    return FormatText(kTextMp3Detailed, {rate, mp3Tracks, bitRate}) +
           FormatText(kTextWavDetailed, {rate, wavTracks});
}

int RenderFilterIndex(int32_t format, int32_t bits) {
    if (format == 1 || format == 2)
        return format;
    return bits == 8 ? 3 : bits == 32 ? 5 : 4;
}

RenderChoice RenderChoiceOf(int filterIndex) {
    switch (filterIndex) {
    case 1:
        return {RenderOutput::Mp3, 16};
    case 2:
        return {RenderOutput::Mp3Vbr, 16};
    case 3:
        return {RenderOutput::Wav, 8};
    case 5:
        return {RenderOutput::Wav, 32};
    default:
        return {RenderOutput::Wav, 16};
    }
}

int32_t StoredFormat(RenderOutput output) {
    return output == RenderOutput::Mp3 ? 1 : output == RenderOutput::Mp3Vbr ? 2 : 0;
}
