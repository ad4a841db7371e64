// Channels: soundings of a piece's resource in a mix, the lists that own them, and the lanes'
// lists of what sounds in them.
#pragma once

#include "gbxaudio.h"
#include "model/AudioState.h"
#include "model/Units.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class LaneChannels;
class MixTarget;
class TBall;
class TLane;
class TPiece;
class TRes;
class TTheBalls;

// A position on the resource scale (8 per frame at the mix's rate) in the bytes of a float
// stream of `tracks` tracks: halved for mono, as is for stereo, x tracks / 2 rounded to even
// above that. None (with the fault "zero tracks") for 0 tracks.
std::optional<int64_t> StreamBytesOf(int64_t resourceScale, int32_t tracks);

// One sounding: its own decoding stream of the resource, placed in a mix.
// Threads: made, changed and freed under the lock of the mixer it plays in, on the UI thread or
// inside a sync of that mixer. Its loop sync runs on the mixing thread with that lock held and
// touches only this channel's stream and loop start.
class TChan {
public:
    // A ball's channel plays with the ball's values, which may become its own while it sounds.
    TChan(const TPiece& piece, const TBall* ball, TRes& resource, DWORD stream);
    ~TChan();
    TChan(const TChan&) = delete;
    TChan& operator=(const TChan&) = delete;

    // The piece whose values it plays, when it plays no ball; the audition points it at the
    // lane's piece.
    const TPiece* Piece;
    const TPiece& Values() const;
    TRes& Resource() const { return m_resource; }
    DWORD Handle() const { return m_handle; }
    // Loop start and end in the stream's own bytes.
    int64_t LoopStart() const { return m_loop[0]; }
    int64_t LoopEnd() const { return m_loop[1]; }

    // Positions the stream `offset` (resource scale) into the sound, sets the loop when the
    // plan loops, and adds it to the target `delay` elements ahead with the fade-in envelope.
    bool Start(int64_t offset, Elements delay, MixTarget& target);
    void ApplyLoudness();
    void ApplyPan();
    void ApplyEnvelope(uint32_t mixChans);
    // Positions on the resource scale at the resource's own rate.
    void SetLoopStart(int64_t position);
    // A position of 0 or less loops at the sound's end only.
    void SetLoopEnd(int64_t position);
    // The matrix the channel mixes through: the piece's effective one, with the pan's cells, when
    // it has two rows of the resource's tracks; else empty and the pan attribute is used.
    std::vector<float> PanMatrix() const;
    // Takes the stream out of the mix and frees it.
    void Free();

private:
    friend class LaneChannels;
    static void LoopSync(DWORD sync, DWORD channel, DWORD data, void* user);
    bool RemoveLoopSyncs();

    const TBall* m_ball;
    TRes& m_resource;
    DWORD m_handle;
    DWORD m_mixer = 0; // the mixer it was added to, whose lock guards its loop sync
    int64_t m_loop[2] = {0, 0};
    DWORD m_posSync = 0;
    DWORD m_endSync = 0;
    LaneChannels* m_lane = nullptr;
};

// Owned channels: those started from one piece, or a render's, or the audition's.
// Threads: as TChan.
class TChannels : public AudioState {
public:
    TChannels() = default;
    ~TChannels() override;

    // A new channel of the piece's resource (its own, else its base piece's), or none: without a
    // measured resource, when the offset lies beyond the piece's real life or the resource, or
    // when the stream cannot be made or mixed. A ball's channel is started with its values.
    TChan* Start(const TPiece& piece, const TBall* ball, int64_t offset, Elements delay,
                 MixTarget& target);
    // Start, and list the channel in `lane` (when given) as sounding.
    TChan* Play(const TPiece& piece, const TBall* ball, int64_t offset, Elements delay,
                MixTarget& target, TLane* lane);

    int Count() const { return static_cast<int>(m_chans.size()); }
    TChan& At(int index) const { return *m_chans.at(index); }
    // Each removed channel leaves its lane's list first, then is freed.
    void Delete(int index);
    void Clear();
    // Deletes, from the last to the first, the channels that play the resource.
    void DeleteOfResource(const TRes& resource);
    // Deletes, from the last to the first, the channels whose values come from the piece.
    void DeleteOfPiece(const TPiece& piece);

private:
    std::vector<std::unique_ptr<TChan>> m_chans;
};

// The channels sounding in a lane, not owned. Threads: as TChan.
class LaneChannels : public AudioState {
public:
    ~LaneChannels() override;
    void Add(TChan& chan);
    void Remove(TChan& chan);
    int Count() const { return static_cast<int>(m_chans.size()); }
    TChan& At(int index) const { return *m_chans.at(index); }

private:
    std::vector<TChan*> m_chans;
};

// A ball's channel list, made on first use; or none when it has never had one.
TChannels& BallChannels(TBall& ball);
TChannels* ExistingBallChannels(const TBall& ball);
LaneChannels& LaneSounding(TLane& lane);
LaneChannels* ExistingLaneSounding(const TLane& lane);

// Channels listed in lanes, program-wide. Any thread.
int32_t LiveChannelCount();

// Deletes every ball's channels that play the resource. Under the live mixer's lock.
void StopResourceChannels(const TTheBalls& balls, const TRes& resource);
