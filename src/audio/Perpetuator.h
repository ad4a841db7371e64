// The perpetuator: renders the plan from a position to its end into a WAV, MP3, FLAC or Ogg Vorbis
// file, faster
// than real time and beside live playback.
#pragma once

#include "audio/Channels.h"
#include "audio/MixTarget.h"
#include "audio/Mp3Encoder.h"
#include "audio/RenderFormat.h"
#include "audio/RenderSettings.h"
#include "audio/SoundFileWriter.h"
#include "support/Stopwatch.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class Arrangement;
class RenderHost;
class TTheMingler;

enum class RenderOutput { Wav, Mp3, Mp3Vbr, Flac, Vorbis };

// What to render: the file, its form, and where in the plan to begin; the plan's End ends it.
struct RenderOrder {
    QString fileName;
    RenderOutput output = RenderOutput::Wav;
    uint32_t tracks = 2; // taken into 1..255; an MP3 takes at most 2, FLAC and Vorbis at most 8
    // A WAV: 8, 16 or 32 (float), else 16. A FLAC: 24, else 16. An MP3 or a Vorbis file: unused.
    uint32_t bits = 16;
    Elements from{};
};

// UI thread only; the host outlives the render. The render's mixer is a decoding stream that only
// RenderTick pulls, so it runs beside the live mix and beside other renders. Arming holds the live
// mix's lock (when there is a live mix): the balls it reads are the live mix's too.
class TThePerpetuator final : private MixTarget {
public:
    enum class State { Idle, Rendering, Rendered, Cut, Failed, Aborted };
    static constexpr int kMp3ReadsPerTick = 4;

    TThePerpetuator(Arrangement& arrangement, TTheMingler* live, RenderHost& host,
                    const RenderSettings& settings);
    // A render still running is aborted.
    ~TThePerpetuator() override;
    TThePerpetuator(const TThePerpetuator&) = delete;
    TThePerpetuator& operator=(const TThePerpetuator&) = delete;

    bool OpenInEditor = false; // Shift was held: the editing program opens the file afterwards
    bool OpenFile = false;     // the file's own program opens it afterwards

    // The mixer, the file (and its encoder, or the WAV header), then every ball armed. False,
    // with a report line and no file left behind, when any of them fails.
    bool StartRender(const RenderOrder& order);
    // One step: a read of the mix (four for an MP3) into the file; the mix's end finishes it. A
    // render whose pieces loop ends at the plan's End, and a WAV file at its size limit (cut).
    void RenderTick();
    // Stops a running render; its file is complete up to where it stopped.
    void Abort();

    bool Active() const { return m_state == State::Rendering; }
    State Outcome() const { return m_state; }
    // Percent of the plan's range done, two decimals; empty when the range is empty.
    const QString& Progress() const { return m_progress; }
    const QString& FileName() const { return m_fileName; }
    const RenderFormat& Format() const { return m_format; }

private:
    // The render as the target of arming: its own mixer and channel list.
    DWORD Mixer() const override { return m_mixer; }
    // The fade-in envelope lasts two bytes of each of these: one frame in every format (two in
    // 8-bit mono), as in the live mix.
    uint32_t Chans() const override { return (m_format.FrameBytes() + 1) / 2; }
    bool AddChannel(TChan& chan, Elements delay, int64_t length) override;
    TChannels& ChannelsOf(TBall& ball) override;
    bool ListsInLanes() const override { return false; }

    bool createFile();
    bool startEncoderOrHeader(int32_t rate, bool vbr);
    void setLimit();
    void armAll(Elements from);
    void readOnce();
    bool write(const void* data, qint64 bytes);
    // Everything the file needs to be whole; the failure's text, empty when none.
    QString completeFile();
    void finish(State outcome);
    void fail(const QString& text);
    void abandon();
    void releaseMix();
    void reportFinish(State outcome);
    QString progressText() const;

    Arrangement& m_arrangement;
    TTheMingler* m_live;
    RenderHost& m_host;
    const RenderSettings m_settings;
    const TGenericStopwatch m_stopwatch;
    int64_t m_startTime;

    State m_state = State::Idle;
    QString m_fileName;
    RenderFormat m_format;
    bool m_mp3 = false;
    std::optional<SoundFileForm> m_soundForm; // FLAC and Vorbis
    int64_t m_pairIndex = 0;                  // output pair of the lane being armed
    DWORD m_mixer = 0;
    TChannels m_channels;
    QFile m_file;
    Mp3Encoder m_encoder;
    SoundFileWriter m_soundFile;
    std::vector<uint8_t> m_buffer;
    uint64_t m_bytesRead = 0;        // from the mixer
    long double m_expectedBytes = 0; // the plan's range in the mixer's bytes
    uint64_t m_limit = UINT64_MAX;   // bytes read at which the render stops
    State m_atLimit = State::Rendered;
    QString m_progress;
};
