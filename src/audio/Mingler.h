// The mingler: the live mix stream, arming the balls into it, looping the play range, the
// audition mix and the play position.
#pragma once

#include "audio/MixTarget.h"
#include "audio/UnheardWraps.h"
#include "gbxaudio.h"
#include "model/Units.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class Arrangement;
class AudioOutput;
class MinglerHost;
class TBall;
class TChannels;
class TLane;
class TPiece;
class TRes;

// Threads. Every public operation is for the UI thread; those that change the mix's sources,
// syncs or position take the mix lock (Lock), the one lock between the UI thread and the
// engine's threads. The ball and wrap syncs run on the mixing thread (or, for a decoding mix, on
// the thread that pulls it), the end sync on the engine's sync thread; each takes the same lock
// and reaches balls, lanes, pieces and channels only under it. Handle, the origins and the
// flags the syncs write are atomics, read by the UI thread between locks.
class TTheMingler {
public:
    // Device: the mix plays on the output device. Decode: the mix is a decoding stream that the
    // caller pulls (tests), with the same syncs and arming.
    enum class Output { Device, Decode };
    struct Setup {
        bool roundRobin = true; // setting Carrier.RoundRobin
        bool laneMeters = true; // setting Lanes.Meters.Visible: sources keep a heard level
        Output output = Output::Device;
    };

    static constexpr int64_t kSampleBytes = 2; // elements to the resource scale
    static constexpr uint32_t kChans = 2;
    // A ball armed while playing sounds no sooner than this many elements ahead of mixing.
    static constexpr int64_t kArmAhead = 4;

    TTheMingler(Arrangement& arrangement, AudioOutput& output, MinglerHost& host, Setup setup);
    ~TTheMingler();
    TTheMingler(const TTheMingler&) = delete;
    TTheMingler& operator=(const TTheMingler&) = delete;

    // The mingler that exists now, for the sync procedures; none outside its life.
    static TTheMingler* Current();

    DWORD Handle() const { return m_handle; }
    DWORD AuditionHandle() const { return m_auditionHandle; }
    // The play position of byte 0 of the mix segment heard now, and of the one mixed now. A wrap
    // leaves the stream's bytes running on and moves the origin instead.
    Elements Origin() const { return Elements{m_origin}; }
    Elements DecodeOrigin() const { return Elements{m_decodeOrigin}; }
    bool Playing() const { return m_playing; }
    bool RoundRobin() const { return m_roundRobin; }
    bool Wrapped() const { return m_wrapped; }
    // Where the balls' channels go while rolling.
    MixTarget& LiveTarget() { return m_live; }
    TChannels* AuditionChannels() const { return m_auditionChannels.get(); }

    // The mix lock; recursive, and nothing without a stream. Unlock releases the stream that the
    // matching Lock took, even when the stream changed in between.
    void Lock();
    void Unlock();

    // A mixer at the plan's element rate, 16-bit stereo, that plays silence when it has nothing;
    // 0 with a report line when it cannot be made.
    DWORD CreateMixStream();
    // A fresh live mix stream at the master loudness (or silent, when the start-up fade-in takes
    // the volume over); the old one goes with everything armed in it.
    void CreateStream();
    void SetVolume(float volume);
    bool Play();
    void ChannelStop();
    // Removes the range syncs, silences every ball and stops the mix.
    void Stop();
    // Pauses the mix where it is; false, with the fault logged, when the engine refuses.
    bool Pause();
    // The mix stopped by itself: stopped as Stop, then freed; the last play counts as failed.
    void Release();
    // The play position of what is mixed now; 0 without a stream.
    Elements Position();
    // The play position of what is heard now; none without a stream or when the engine refuses.
    bool HeardPosition(Elements& position);

    // Rolling from `from`: a new stream with its range syncs and every ball armed, then played.
    // Without a stream (no mixer library, no output) Playing() is false afterwards.
    void Roll(Elements from);
    void ArmAll(Elements from);
    // The same for balls that have no channel and no sync.
    void ArmList(const std::vector<TBall*>& balls, Elements from);
    // From the position mixed now; RearmAll silences every ball first.
    void RearmList(const std::vector<TBall*>& balls);
    void RearmAll();
    // A ball placed while playing: it sounds at its start, or, when mixing is already too close
    // to it, kArmAhead elements ahead and late by the distance.
    void ArmBall(TBall& ball);
    // Removes the ball's sync and deletes its channels.
    void SilenceBall(TBall& ball);
    void SilenceAll();
    // After Start or End changed: the range syncs again.
    void Resync();
    void ToggleRoundRobin();
    // Lane meters shown or not: sources keep a heard level only when they are.
    void SetLaneMeters(bool shown);
    // The output device or rate changed: the output starts again, and the roll with it.
    void ReinitBass(uint32_t rate);

    // Plays piece A (or B, when A has no resource of its own) at once, on the live mix while the
    // carrier rolls, else on the audition mix; listed in `lane`. `stop` releases the audition.
    void Audition(const TPiece* a, const TPiece* b, TLane* lane, bool replace, bool stop);
    void ReleaseAudition();
    // The audition channels that play the resource go (before the resource is deleted).
    void ReleaseAuditionOf(const TRes& resource);
    // The audition channels that play with the piece's values go (before the piece goes).
    void ReleaseAuditionOf(const TPiece& piece);

    // The heard level of a lane's sounding channels: left in the low, right in the high word.
    uint32_t LaneLevel(const TLane& lane);

private:
    class Target final : public MixTarget {
    public:
        Target(TTheMingler& mingler, const std::atomic<DWORD>& mixer)
            : m_mingler(mingler), m_mixer(mixer) {}
        DWORD Mixer() const override { return m_mixer; }
        uint32_t Chans() const override { return kChans; }
        bool AddChannel(TChan& chan, Elements delay, int64_t length) override;
        TChannels& ChannelsOf(TBall& ball) override;
        bool ListsInLanes() const override { return true; }

    private:
        TTheMingler& m_mingler;
        const std::atomic<DWORD>& m_mixer;
    };

    static void BallSync(DWORD sync, DWORD channel, DWORD data, void* user);
    static void WrapSync(DWORD sync, DWORD channel, DWORD data, void* user);
    static void EndSync(DWORD sync, DWORD channel, DWORD data, void* user);
    // How every sync procedure enters the mingler.
    class SyncEntry;

    bool decoding() const { return m_setup.output == Output::Decode; }
    // The window stays and `channel` is still the live mix stream.
    bool currentFor(DWORD channel) const;
    // The mixed position in the stream's bytes; -1 (with a fault) when the engine refuses.
    int64_t decodePosition();
    void armIfUnarmed(TBall& ball, Elements from);
    // Looping switched while the mix has not wrapped: the wrap and range-end syncs as it now
    // needs them, and without looping the balls beyond the end armed. Under the lock.
    void changeRangeSyncsForLooping();
    void setWrapSync(Elements from);
    void setRangeEndSync(Elements from);
    void removeWrapSync();
    void removeRangeEndSync();
    void freeStream(std::atomic<DWORD>& stream);
    // The range syncs removed and every ball silenced.
    void disarm();
    // Stop and the stream freed under one hold of the lock.
    void stopAndFree();

    Arrangement& m_arrangement;
    AudioOutput& m_output;
    MinglerHost& m_host;
    Setup m_setup;

    std::atomic<DWORD> m_handle{0};
    std::atomic<DWORD> m_auditionHandle{0};
    DWORD m_wrapSync = 0;
    DWORD m_rangeEndSync = 0;
    int64_t m_wrapAt = 0; // the mix byte the wrap sync waits for
    UnheardWraps m_unheardWraps;
    std::atomic<int64_t> m_origin{0};
    std::atomic<int64_t> m_decodeOrigin{0};
    std::atomic<bool> m_playing{true};
    std::atomic<bool> m_roundRobin;
    std::atomic<bool> m_wrapped{false};
    DWORD m_sourceFlags;
    std::unique_ptr<TChannels> m_auditionChannels;
    Target m_live{*this, m_handle};
    Target m_audition{*this, m_auditionHandle};
};
