// The ".mogg" scan, memory images, measuring and decoding streams of resources.
#include "audio/ResourceSound.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "model/Resources.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kScanBlock = 4096;
const QByteArray kOggPage = QByteArrayLiteral("OggS");

bool IsMogg(const QString& name) {
    return QFileInfo(name).suffix().compare(QLatin1String("mogg"), Qt::CaseInsensitive) == 0;
}

QByteArray ReadFrom(const QString& path, int64_t offset) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset)) {
        GBX_AUDIO_FAULT("cannot read " + path.toStdString() + ": " +
                        file.errorString().toStdString());
        return {};
    }
    return file.readAll();
}

} // namespace

int64_t FindOggPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    // The last three bytes of the block before are kept, so a page across two blocks is seen.
    QByteArray window;
    int64_t windowStart = 0;
    for (;;) {
        const QByteArray block = file.read(kScanBlock);
        window += block;
        const qsizetype found = window.indexOf(kOggPage);
        if (found >= 0)
            return windowStart + found;
        if (block.size() < kScanBlock)
            return 0;
        const qsizetype keep = kOggPage.size() - 1;
        windowStart += window.size() - keep;
        window = window.right(keep);
    }
}

void OpenResource(TRes& resource, bool inMemory, int32_t elementRate) {
    resource.DataOffset = IsMogg(resource.Name) ? FindOggPage(resource.FullName) : 0;
    resource.InMemory = inMemory;
    if (inMemory)
        resource.MemoryImage = ReadFrom(resource.FullName, resource.DataOffset);
    MeasureResource(resource, elementRate);
}

void MeasureResource(TRes& resource, int32_t elementRate) {
    const DWORD stream = CreateResourceStream(resource);
    if (!stream)
        return;
    BASS_CHANNELINFO info{};
    if (!Bass().BASS_ChannelGetInfo(stream, &info)) {
        GBX_AUDIO_FAULT("BASS_ChannelGetInfo " + BassErrorText());
    } else {
        resource.SampleBytes = (info.flags & BASS_SAMPLE_FLOAT)   ? 4
                               : (info.flags & BASS_SAMPLE_8BITS) ? 1
                                                                  : 2;
        resource.OrigBits = info.origres;
        resource.Rate = info.freq;
        resource.RateRatio =
            elementRate > 0 ? static_cast<long double>(info.freq) / elementRate : 0.0L;
        resource.Tracks = static_cast<int32_t>(info.chans);
        const QWORD bytes = Bass().BASS_ChannelGetLength(stream, BASS_POS_BYTE);
        if (resource.Tracks == 0) {
            GBX_AUDIO_FAULT("zero tracks");
        } else if (bytes == ~QWORD{0}) {
            GBX_AUDIO_FAULT("BASS_ChannelGetLength " + BassErrorText());
        } else if (resource.RateRatio <= 0) {
            GBX_AUDIO_FAULT("no element rate to measure " + resource.Name.toStdString());
        } else {
            const auto scaled =
                static_cast<int64_t>(static_cast<long double>(bytes) / resource.RateRatio);
            resource.Life = scaled * 2 / resource.Tracks;
        }
    }
    if (!Bass().BASS_StreamFree(stream))
        GBX_AUDIO_FAULT("BASS_StreamFree " + BassErrorText());
}

DWORD CreateResourceStream(const TRes& resource) {
    if (!BassLoaded())
        return 0;
    DWORD stream = 0;
    if (resource.InMemory) {
        // The image begins at DataOffset already.
        stream = Bass().BASS_StreamCreateFile(TRUE, resource.MemoryImage.constData(), 0,
                                              static_cast<QWORD>(resource.MemoryImage.size()),
                                              kSourceStreamFlags);
    } else {
        const QByteArray path = QFile::encodeName(resource.FullName);
        stream = Bass().BASS_StreamCreateFile(FALSE, path.constData(),
                                              static_cast<QWORD>(resource.DataOffset), 0,
                                              kSourceStreamFlags);
    }
    if (!stream)
        AudioReport('"' + resource.Name + '"', BassErrorName() + " (BASS_StreamCreateFile)", true);
    return stream;
}
