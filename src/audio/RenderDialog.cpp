// Filter texts and indexes of the render dialog.
#include "audio/RenderDialog.h"

#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kTextWavPlain = 201;
constexpr int kTextSoundFilesPlain = 203;
constexpr int kTextSoundFilesDetailed = 204;
constexpr int kTextWavDetailed = 205;
constexpr int kTextMono = 206;
constexpr int kTextStereo = 207;
constexpr int kTextTracks = 208;
constexpr int kTextMp3Plain = 270;
constexpr int kTextMp3Detailed = 271;
constexpr int kTextBitRateUnit = 272;
constexpr uint32_t kMostSoundFileTracks = 8;

constexpr int32_t kFormatWav = 0;
constexpr int32_t kFormatMp3 = 1;
constexpr int32_t kFormatMp3Vbr = 2;
constexpr int32_t kFormatFlac = 3;
constexpr int32_t kFormatVorbis = 4;

QString tracksWord(uint32_t tracks) {
    return tracks == 1   ? Text(kTextMono)
           : tracks == 2 ? Text(kTextStereo)
                         : FormatText(kTextTracks, {QString::number(tracks)});
}

} // namespace

QString RenderFilter(bool extendedInfo, int32_t elementRate, uint32_t tracks, int32_t mp3BitRate) {
    if (!extendedInfo)
        return Text(kTextMp3Plain) + Text(kTextWavPlain) + Text(kTextSoundFilesPlain);
    const QString rate = QString::number(elementRate);
    const QString mp3Tracks = Text(tracks == 1 ? kTextMono : kTextStereo);
    const QString bitRate = QString::number(mp3BitRate) + ' ' + Text(kTextBitRateUnit);
    return FormatText(kTextMp3Detailed, {rate, mp3Tracks, bitRate}) +
           FormatText(kTextWavDetailed, {rate, tracksWord(tracks)}) +
           FormatText(kTextSoundFilesDetailed,
                      {rate, tracksWord(std::min(tracks, kMostSoundFileTracks))});
}

int RenderFilterIndex(int32_t format, int32_t bits) {
    switch (format) {
    case kFormatMp3:
    case kFormatMp3Vbr:
        return format;
    case kFormatFlac:
        return bits == 24 ? 7 : 6;
    case kFormatVorbis:
        return 8;
    default:
        return bits == 8 ? 3 : bits == 32 ? 5 : 4;
    }
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
    case 6:
        return {RenderOutput::Flac, 16};
    case 7:
        return {RenderOutput::Flac, 24};
    case 8:
        return {RenderOutput::Vorbis, 16};
    default:
        return {RenderOutput::Wav, 16};
    }
}

int32_t StoredFormat(RenderOutput output) {
    switch (output) {
    case RenderOutput::Mp3:
        return kFormatMp3;
    case RenderOutput::Mp3Vbr:
        return kFormatMp3Vbr;
    case RenderOutput::Flac:
        return kFormatFlac;
    case RenderOutput::Vorbis:
        return kFormatVorbis;
    case RenderOutput::Wav:
        break;
    }
    return kFormatWav;
}

QString RenderExtension(RenderOutput output) {
    switch (output) {
    case RenderOutput::Mp3:
    case RenderOutput::Mp3Vbr:
        return QStringLiteral("mp3");
    case RenderOutput::Flac:
        return QStringLiteral("flac");
    case RenderOutput::Vorbis:
        return QStringLiteral("ogg");
    case RenderOutput::Wav:
        break;
    }
    return QStringLiteral("wav");
}

std::optional<RenderOutput> RenderOutputOfFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    for (RenderOutput output :
         {RenderOutput::Wav, RenderOutput::Mp3, RenderOutput::Flac, RenderOutput::Vorbis})
        if (extension == RenderExtension(output))
            return output;
    return std::nullopt;
}

RenderChoice RenderChoiceForFile(int filterIndex, QString& fileName) {
    const RenderChoice entry = RenderChoiceOf(filterIndex);
    const std::optional<RenderOutput> named = RenderOutputOfFile(fileName);
    if (!named) {
        if (fileName.endsWith('.'))
            fileName.chop(1);
        fileName += '.' + RenderExtension(entry.output);
        return entry;
    }
    if (RenderExtension(*named) == RenderExtension(entry.output))
        return entry;
    return {*named, 16};
}
