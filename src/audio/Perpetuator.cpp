// Starting, stepping and finishing a render.
#include "audio/Perpetuator.h"

#include "audio/Arming.h"
#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/Mingler.h"
#include "audio/RenderHost.h"
#include "audio/WavHeader.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int kTextEncoderFailed = 360;
constexpr int kTextRendered = 342;
constexpr int kTextRenderCut = 343;
constexpr int kTextTook = 322;
constexpr uint32_t kMostTracks = 255;
constexpr uint32_t kMostMp3Tracks = 2;
constexpr uint32_t kMostSoundFileTracks = 8;
constexpr DWORD kNoData = ~DWORD{0};
// One read of a WAV render: at least a frame, and below the engine's flag bits.
constexpr uint32_t kMostBufferBytes = 1u << 26;

std::optional<SoundFileForm> soundFileForm(const RenderOrder& order) {
    if (order.output == RenderOutput::Flac)
        return order.bits == 24 ? SoundFileForm::Flac24 : SoundFileForm::Flac16;
    if (order.output == RenderOutput::Vorbis)
        return SoundFileForm::Vorbis;
    return std::nullopt;
}

QString quoted(const QString& text) {
    return '"' + text + '"';
}

// Holds the live mix's lock, when there is a live mix, for a scope.
class LiveLock {
public:
    explicit LiveLock(TTheMingler* live) : m_live(live) {
        if (m_live)
            m_live->Lock();
    }
    ~LiveLock() {
        if (m_live)
            m_live->Unlock();
    }
    LiveLock(const LiveLock&) = delete;
    LiveLock& operator=(const LiveLock&) = delete;

private:
    TTheMingler* m_live;
};

} // namespace

TThePerpetuator::TThePerpetuator(Arrangement& arrangement, TTheMingler* live, RenderHost& host,
                                 const RenderSettings& settings)
    : m_arrangement(arrangement), m_live(live), m_host(host), m_settings(settings),
      m_startTime(m_stopwatch.Read()) {}

TThePerpetuator::~TThePerpetuator() {
    Abort();
}

// Starting

bool TThePerpetuator::StartRender(const RenderOrder& order) {
    m_fileName = order.fileName;
    m_mp3 = order.output == RenderOutput::Mp3 || order.output == RenderOutput::Mp3Vbr;
    m_soundForm = soundFileForm(order);
    const bool wav = order.output == RenderOutput::Wav;
    m_format.bits = m_soundForm ? SoundFileWriter::MixerBits(*m_soundForm)
                    : wav && (order.bits == 8 || order.bits == 32) ? order.bits
                                                                   : 16;
    const uint32_t mostTracks = m_mp3         ? kMostMp3Tracks
                                : m_soundForm ? kMostSoundFileTracks
                                              : kMostTracks;
    m_format.tracks = std::clamp<uint32_t>(order.tracks, 1, mostTracks);
    m_state = State::Failed; // until everything is in place

    const int32_t rate = std::max(m_arrangement.plan.ElementRate.Value(), 0);
    m_mixer = BassMix().BASS_Mixer_StreamCreate(static_cast<DWORD>(rate), m_format.tracks,
                                                m_format.MixerFlags());
    if (!m_mixer) {
        Report(quoted(m_fileName), "BASS_Mixer_StreamCreate " + BassErrorName(), true);
        return false;
    }
    if (!createFile()) {
        releaseMix();
        return false;
    }
    if (!startEncoderOrHeader(rate, order.output == RenderOutput::Mp3Vbr)) {
        abandon();
        return false;
    }
    m_expectedBytes = m_format.BytesOfSpan(m_arrangement.plan.End - order.from);
    setLimit();
    armAll(order.from);
    m_state = State::Rendering;
    m_progress = progressText();
    return true;
}

bool TThePerpetuator::createFile() {
    m_file.setFileName(m_fileName);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    Report(quoted(m_fileName), m_file.errorString(), true);
    return false;
}

bool TThePerpetuator::startEncoderOrHeader(int32_t rate, bool vbr) {
    uint32_t bufferBytes = 0;
    if (m_mp3) {
        if (!m_encoder.Open(m_settings.encoderLibrary,
                            EncoderRecord(m_settings.mp3, rate, m_format.tracks, vbr), m_fileName))
            return false;
        bufferBytes = 2 * m_encoder.ChunkSamples();
    } else if (m_soundForm) {
        if (!m_soundFile.Open(m_file.handle(), *m_soundForm, rate, m_format.tracks)) {
            Report(quoted(m_fileName), m_soundFile.Error(), true);
            return false;
        }
        // The encoder takes whole frames only.
        const uint32_t frame = m_format.FrameBytes();
        bufferBytes = std::clamp(m_settings.bufferBytes, frame, kMostBufferBytes) / frame * frame;
    } else {
        const QByteArray header =
            WavHeader({static_cast<uint32_t>(rate), m_format.tracks, m_format.bits});
        if (!write(header.constData(), header.size())) {
            Report(quoted(m_fileName), m_file.errorString(), true);
            return false;
        }
        bufferBytes = std::clamp(m_settings.bufferBytes, m_format.FrameBytes(), kMostBufferBytes);
    }
    m_buffer.resize(bufferBytes);
    return true;
}

void TThePerpetuator::setLimit() {
    const uint32_t frame = m_format.FrameBytes();
    m_limit = UINT64_MAX;
    m_atLimit = State::Rendered;
    if (!m_mp3 && !m_soundForm) {
        // The header's 32-bit sizes would wrap beyond this: the file is cut, not rendered.
        m_limit = std::min(WavDataLimit({0, m_format.tracks, m_format.bits}),
                           m_settings.wavDataLimit / frame * frame);
        m_atLimit = State::Cut;
    }
    // Pieces that loop have no end of their own: the range's end is the render's.
    if (m_arrangement.plan.Master.RoundRobin) {
        const auto range = static_cast<uint64_t>(std::max(m_expectedBytes, 0.0L)) / frame * frame;
        if (range <= m_limit) {
            m_limit = range;
            m_atLimit = State::Rendered;
        }
    }
}

void TThePerpetuator::armAll(Elements from) {
    LiveLock locked(m_live);
    TTheBalls& balls = m_arrangement.balls;
    const Elements end = m_arrangement.plan.End;
    const TTheLanes& lanes = m_arrangement.lanes;
    for (int i = 0; i < lanes.Count(); ++i) {
        const TLane& lane = lanes.At(i);
        m_pairIndex = lane.Position();
        for (TBall* ball : lane.LaneBalls) {
            if (BeyondRangeEnd(*ball, from, end))
                continue;
            // The play offset also serves the live mix's pending ball syncs.
            const Elements liveOffset = ball->PlayOffset;
            ArmBallFrom(balls, *ball, from, *this);
            ball->PlayOffset = liveOffset;
        }
    }
}

bool TThePerpetuator::AddChannel(TChan& chan, Elements delay, int64_t length) {
    const std::vector<float> pan = chan.PanMatrix();
    // Every source mixes through a matrix when pairs are used.
    const DWORD flags = pan.empty() && !m_format.UsesPairs() ? 0 : BASS_MIXER_MATRIX;
    // A length that scales below one byte still ends the sound: 0 would mean its whole length.
    const QWORD lengthBytes =
        length > 0 ? std::max<uint64_t>(m_format.BytesOfResourceScale(length), 1) : 0;
    if (!BassMix().BASS_Mixer_StreamAddChannelEx(m_mixer, chan.Handle(), flags,
                                                 m_format.BytesOfElements(delay), lengthBytes)) {
        GBX_AUDIO_FAULT("BASS_Mixer_StreamAddChannelEx " + BassErrorText());
        return false;
    }
    const int32_t sourceTracks = chan.Resource().Tracks;
    std::vector<float> matrix;
    if (m_format.UsesPairs())
        matrix = PairMatrix(m_format.tracks, m_pairIndex, sourceTracks);
    else if (!pan.empty() && m_format.tracks != 2)
        matrix = MatrixRows(pan, sourceTracks, m_format.tracks);
    if (matrix.empty())
        chan.ApplyPan();
    else if (!BassMix().BASS_Mixer_ChannelSetMatrix(chan.Handle(), matrix.data()))
        GBX_AUDIO_FAULT("BASS_Mixer_ChannelSetMatrix " + BassErrorText());
    chan.ApplyLoudness();
    return true;
}

TChannels& TThePerpetuator::ChannelsOf(TBall&) {
    return m_channels;
}

// Stepping

void TThePerpetuator::RenderTick() {
    if (!Active())
        return;
    if (Bass().BASS_ChannelIsActive(m_mixer) == BASS_ACTIVE_STOPPED) {
        // A mixer freed under the render (the output restarted) is no end of the music.
        if (Bass().BASS_ErrorGetCode() == BASS_OK)
            finish(State::Rendered);
        else
            fail("BASS_ChannelIsActive " + BassErrorName());
        return;
    }
    const int reads = m_mp3 ? kMp3ReadsPerTick : 1;
    for (int i = 0; i < reads && Active(); ++i)
        readOnce();
    m_progress = progressText();
    m_host.RefreshTitle();
}

void TThePerpetuator::readOnce() {
    if (m_bytesRead >= m_limit) {
        finish(m_atLimit);
        return;
    }
    const auto want =
        static_cast<DWORD>(std::min<uint64_t>(m_buffer.size(), m_limit - m_bytesRead));
    const DWORD got = Bass().BASS_ChannelGetData(m_mixer, m_buffer.data(), want);
    if (got == kNoData) {
        if (Bass().BASS_ErrorGetCode() == BASS_ERROR_ENDED)
            finish(State::Rendered);
        else
            fail("BASS_ChannelGetData " + BassErrorName());
        return;
    }
    m_bytesRead += got;
    if (m_soundForm) {
        if (!m_soundFile.Write(m_buffer.data(), got / m_format.FrameBytes()))
            fail(m_soundFile.Error());
        return;
    }
    if (!m_mp3) {
        if (!write(m_buffer.data(), got))
            fail(m_file.errorString());
        return;
    }
    const uint32_t result =
        m_encoder.Encode(reinterpret_cast<const int16_t*>(m_buffer.data()), got / 2);
    if (result != 0)
        fail(Text(kTextEncoderFailed) + ' ' + QString::number(result));
    else if (!write(m_encoder.Output().data(), static_cast<qint64>(m_encoder.Output().size())))
        fail(m_file.errorString());
}

bool TThePerpetuator::write(const void* data, qint64 bytes) {
    return bytes == 0 || m_file.write(static_cast<const char*>(data), bytes) == bytes;
}

QString TThePerpetuator::progressText() const {
    if (m_expectedBytes <= 0)
        return {};
    return QString::number(static_cast<double>(m_bytesRead / m_expectedBytes * 100), 'f', 2);
}

// Finishing

void TThePerpetuator::Abort() {
    if (Active())
        finish(State::Aborted);
}

QString TThePerpetuator::completeFile() {
    if (m_mp3) {
        if (const uint32_t result = m_encoder.Flush(); result != 0)
            return Text(kTextEncoderFailed) + ' ' + QString::number(result);
        if (!write(m_encoder.Output().data(), static_cast<qint64>(m_encoder.Output().size())))
            return m_file.errorString();
        // The tag frame, now that the encoder knows the length, over its placeholder.
        if (m_encoder.InfoTag()) {
            const qint64 end = m_file.pos();
            const auto& tag = m_encoder.Output();
            if (!m_file.seek(0) || !write(tag.data(), static_cast<qint64>(tag.size())) ||
                !m_file.seek(end))
                return m_file.errorString();
        }
    } else if (m_soundForm) {
        if (!m_soundFile.Close())
            return m_soundFile.Error();
    } else if (!PatchWavSizes(m_file, m_bytesRead)) {
        return m_file.errorString();
    }
    return m_file.flush() ? QString() : m_file.errorString();
}

void TThePerpetuator::finish(State outcome) {
    m_state = outcome;
    releaseMix();
    if (outcome != State::Failed) {
        const QString failure = completeFile();
        if (!failure.isEmpty()) {
            Report(quoted(m_fileName), failure, true);
            outcome = State::Failed;
        }
    }
    m_encoder.Close();
    m_soundFile.Close();
    m_file.close();
    m_buffer = {};
    m_state = outcome;
    reportFinish(outcome);
    if (outcome == State::Failed)
        return;
    if (OpenInEditor)
        m_host.OpenInEditor(m_fileName);
    else if (OpenFile)
        m_host.OpenWithDefault(m_fileName);
}

void TThePerpetuator::fail(const QString& text) {
    Report(quoted(m_fileName), text, true);
    finish(State::Failed);
}

void TThePerpetuator::abandon() {
    releaseMix();
    m_encoder.Close();
    m_soundFile.Close();
    m_file.close();
    m_file.remove();
}

void TThePerpetuator::releaseMix() {
    m_channels.Clear();
    if (m_mixer && !Bass().BASS_StreamFree(m_mixer))
        GBX_AUDIO_FAULT("BASS_StreamFree " + BassErrorText());
    m_mixer = 0;
}

void TThePerpetuator::reportFinish(State outcome) {
    if (outcome == State::Failed || !m_host.ReportsFinish())
        return;
    QString subject =
        FormatText(outcome == State::Cut ? kTextRenderCut : kTextRendered, {m_fileName});
    if (outcome == State::Aborted && !m_progress.isEmpty())
        subject += " (" + m_progress + "%)";
    const std::chrono::milliseconds took(m_stopwatch.Elapsed(m_startTime));
    Report(subject, FormatText(kTextTook, {ElapsedTimeText(took)}), outcome == State::Cut);
}
