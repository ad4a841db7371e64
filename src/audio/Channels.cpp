// Starting, looping, shaping and freeing channels.
#include "audio/Channels.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/MixTarget.h"
#include "audio/ResourceSound.h"
#include "model/Balls.h"
#include "model/Lanes.h"
#include "model/Piece.h"
#include "model/Resources.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

std::atomic<int32_t> g_liveChannels{0};

// Truncates toward zero, as every scaling of positions does.
int64_t Scaled(int64_t position, long double ratio) {
    return static_cast<int64_t>(static_cast<long double>(position) * ratio);
}

// Left and right factors of a pan inside a matrix.
std::pair<float, float> PanSides(long double pan) {
    if (pan == 0)
        return {1.0f, 1.0f};
    if (pan > 1)
        return {0.0f, 1.0f};
    if (pan < -1)
        return {1.0f, 0.0f};
    if (pan > 0)
        return {static_cast<float>(1 - pan), 1.0f};
    return {1.0f, static_cast<float>(1 + pan)};
}

// Holds a mixer's lock for a scope; 0 holds nothing.
class HeldMixer {
public:
    explicit HeldMixer(DWORD mixer) : m_mixer(mixer) {
        if (m_mixer && !Bass().BASS_ChannelLock(m_mixer, TRUE))
            m_mixer = 0; // a mixer already freed runs no syncs
    }
    ~HeldMixer() {
        if (m_mixer)
            Bass().BASS_ChannelLock(m_mixer, FALSE);
    }
    HeldMixer(const HeldMixer&) = delete;
    HeldMixer& operator=(const HeldMixer&) = delete;

private:
    DWORD m_mixer;
};

// A stream the engine freed itself (BASS_Free) is gone; anything else is a fault.
bool GoneOrDone(bool ok) {
    return ok || Bass().BASS_ErrorGetCode() == BASS_ERROR_HANDLE;
}

} // namespace

std::optional<int64_t> StreamBytesOf(int64_t resourceScale, int32_t tracks) {
    if (tracks <= 0) {
        GBX_AUDIO_FAULT("zero tracks");
        return std::nullopt;
    }
    if (tracks <= 2)
        return resourceScale / (2 / tracks);
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int64_t>(
        std::nearbyint(static_cast<long double>(resourceScale) * tracks / 2.0L));
}

// TChan

TChan::TChan(const TPiece& piece, const TBall* ball, TRes& resource, DWORD stream)
    : Piece(&piece), m_ball(ball), m_resource(resource), m_handle(stream) {}

const TPiece& TChan::Values() const {
    return m_ball ? m_ball->Values() : *Piece;
}

TChan::~TChan() {
    if (m_lane)
        m_lane->Remove(*this);
    Free();
}

bool TChan::Start(int64_t offset, Elements delay, MixTarget& target) {
    m_mixer = target.Mixer();
    const long double ratio = m_resource.RateRatio;
    // A start that no piece sets is the sound's beginning.
    const int64_t resStart = std::max<int64_t>(Values().EffectiveResStart().count, 0);
    int64_t loopStart = Scaled(resStart, ratio) + Scaled(offset, ratio);
    if (Values().MasterPiece().RoundRobin) {
        // The end scales like the start: both are positions at the resource's own rate.
        SetLoopEnd(Scaled(Values().EffectiveResEnd().count, ratio));
        const int64_t soundLength = Scaled(m_resource.Life, ratio);
        if (soundLength > 0)
            loopStart %= soundLength;
    }
    SetLoopStart(loopStart);
    if (!Bass().BASS_ChannelSetPosition(m_handle, static_cast<QWORD>(m_loop[0]), BASS_POS_BYTE)) {
        const TPiece& values = Values();
        const TPiece* lane =
            values.PieceKind() == TPiece::Kind::Lane ? &values : values.BasePiece();
        GBX_AUDIO_FAULT("BASS_ChannelSetPosition " + BassErrorText() +
                        ", Real Life: " + std::to_string(Values().RealLife().count) +
                        ", Loop [0]:" + std::to_string(m_loop[0]) + ", Lane Handle: \"" +
                        (lane ? lane->Handle.toStdString() : std::string()) +
                        "\", Resource Life: " + std::to_string(m_resource.Life));
    }
    if (!target.AddChannel(*this, delay, Values().EffectiveLife().count - offset))
        return false;
    ApplyEnvelope(target.Chans());
    return true;
}

void TChan::ApplyLoudness() {
    const long double loudness = std::max(Values().EffectiveLoudness(), 0.0L);
    if (!Bass().BASS_ChannelSetAttribute(m_handle, BASS_ATTRIB_VOL, static_cast<float>(loudness)))
        GBX_AUDIO_FAULT("BASS_ChannelSetAttribute " + BassErrorText());
}

std::vector<float> TChan::PanMatrix() const {
    const std::vector<float>& effective = Values().EffectiveMatrix();
    const int32_t tracks = m_resource.Tracks;
    if (tracks <= 0 || effective.size() != 2 * static_cast<size_t>(tracks))
        return {};
    std::vector<float> matrix = effective;
    const auto [left, right] = PanSides(Values().EffectivePan());
    const int32_t columns[2] = {Values().EffectiveSrcTrack0(), Values().EffectiveSrcTrack1()};
    const float values[2] = {left, right};
    for (int row = 0; row < 2; ++row) {
        if (columns[row] >= 0 && columns[row] < tracks)
            matrix[static_cast<size_t>(row) * tracks + columns[row]] = values[row];
    }
    return matrix;
}

void TChan::ApplyPan() {
    const std::vector<float> matrix = PanMatrix();
    if (matrix.empty()) {
        const long double pan = std::clamp(Values().EffectivePan(), -1.0L, 1.0L);
        if (!Bass().BASS_ChannelSetAttribute(m_handle, BASS_ATTRIB_PAN, static_cast<float>(pan)))
            GBX_AUDIO_FAULT("BASS_ChannelSetAttribute " + BassErrorText());
        return;
    }
    if (!BassMix().BASS_Mixer_ChannelSetMatrix(m_handle, matrix.data()))
        GBX_AUDIO_FAULT("BASS_Mixer_ChannelSetMatrix " + BassErrorText());
}

void TChan::ApplyEnvelope(uint32_t mixChans) {
    // One sample frame of fade-in takes the click out of a sound entering mid-wave.
    const BASS_MIXER_NODE nodes[2] = {{0, 0.0f}, {QWORD{2} * mixChans, 1.0f}};
    if (!BassMix().BASS_Mixer_ChannelSetEnvelope(m_handle, BASS_MIXER_ENV_VOL, nodes, 2))
        GBX_AUDIO_FAULT("BASS_Mixer_ChannelSetEnvelope " + BassErrorText());
}

void TChan::SetLoopStart(int64_t position) {
    if (const auto bytes = StreamBytesOf(position, m_resource.Tracks))
        m_loop[0] = *bytes;
}

bool TChan::RemoveLoopSyncs() {
    bool ok = true;
    for (DWORD* sync : {&m_posSync, &m_endSync}) {
        if (*sync == 0)
            continue;
        if (!GoneOrDone(Bass().BASS_ChannelRemoveSync(m_handle, *sync))) {
            GBX_AUDIO_FAULT("BASS_ChannelRemoveSync " + BassErrorText());
            ok = false;
        }
        *sync = 0;
    }
    return ok;
}

void TChan::SetLoopEnd(int64_t position) {
    if (const auto bytes = StreamBytesOf(position, m_resource.Tracks))
        m_loop[1] = *bytes;
    RemoveLoopSyncs();
    if (position > 0) {
        m_posSync = Bass().BASS_ChannelSetSync(m_handle, BASS_SYNC_POS | BASS_SYNC_MIXTIME,
                                               static_cast<QWORD>(m_loop[1]), LoopSync, this);
        if (!m_posSync)
            GBX_AUDIO_FAULT("BASS_ChannelSetSync " + BassErrorText());
    }
    m_endSync =
        Bass().BASS_ChannelSetSync(m_handle, BASS_SYNC_END | BASS_SYNC_MIXTIME, 0, LoopSync, this);
    if (!m_endSync)
        GBX_AUDIO_FAULT("BASS_ChannelSetSync " + BassErrorText());
}

void TChan::LoopSync(DWORD, DWORD channel, DWORD, void* user) {
    SyncScope scope;
    // The engine holds the mixer's lock around this, the lock under which channels are freed.
    const auto* chan = static_cast<const TChan*>(user);
    if (Bass().BASS_ChannelSetPosition(channel, static_cast<QWORD>(chan->m_loop[0]), BASS_POS_BYTE))
        return;
    if (!Bass().BASS_ChannelSetPosition(channel, 0, BASS_POS_BYTE))
        GBX_AUDIO_FAULT("BASS_ChannelSetPosition " + BassErrorText());
}

void TChan::Free() {
    if (m_handle == 0 || !BassLoaded())
        return;
    HeldMixer held(m_mixer);
    RemoveLoopSyncs();
    if (!Bass().BASS_ChannelStop(m_handle)) {
        if (Bass().BASS_ErrorGetCode() == BASS_ERROR_HANDLE)
            m_handle = 0;
        return;
    }
    if (!Bass().BASS_StreamFree(m_handle))
        GBX_AUDIO_FAULT("BASS_StreamFree " + BassErrorText());
    m_handle = 0;
}

// TChannels

TChannels::~TChannels() {
    Clear();
}

TChan* TChannels::Start(const TPiece& piece, const TBall* ball, int64_t offset, Elements delay,
                        MixTarget& target) {
    TRes* resource = piece.Resource && piece.Resource->Life > 0 ? piece.Resource : nullptr;
    if (!resource && piece.BasePiece()) {
        TRes* base = piece.BasePiece()->Resource;
        resource = base && base->Life > 0 ? base : nullptr;
    }
    if (!resource)
        return nullptr;
    if (offset > 0 &&
        (piece.RealLife().count <= offset ||
         std::max<int64_t>(piece.EffectiveResStart().count, 0) + offset >= resource->Life))
        return nullptr;
    const DWORD stream = CreateResourceStream(*resource);
    if (!stream)
        return nullptr;
    auto chan = std::make_unique<TChan>(piece, ball, *resource, stream);
    if (!chan->Start(offset, delay, target))
        return nullptr;
    m_chans.push_back(std::move(chan));
    return m_chans.back().get();
}

TChan* TChannels::Play(const TPiece& piece, const TBall* ball, int64_t offset, Elements delay,
                       MixTarget& target, TLane* lane) {
    TChan* chan = Start(piece, ball, offset, delay, target);
    if (chan && lane)
        LaneSounding(*lane).Add(*chan);
    return chan;
}

void TChannels::Delete(int index) {
    m_chans.erase(m_chans.begin() + index);
}

void TChannels::Clear() {
    // From the last: a channel's destructor reaches its lane's list, not this one.
    while (!m_chans.empty())
        m_chans.pop_back();
}

void TChannels::DeleteOfResource(const TRes& resource) {
    for (int i = Count() - 1; i >= 0; --i) {
        if (&m_chans[i]->Resource() == &resource)
            Delete(i);
    }
}

void TChannels::DeleteOfPiece(const TPiece& piece) {
    for (int i = Count() - 1; i >= 0; --i) {
        if (m_chans[i]->Piece == &piece)
            Delete(i);
    }
}

// LaneChannels

LaneChannels::~LaneChannels() {
    for (TChan* chan : m_chans)
        chan->m_lane = nullptr;
    g_liveChannels -= static_cast<int32_t>(m_chans.size());
}

void LaneChannels::Add(TChan& chan) {
    if (chan.m_lane)
        chan.m_lane->Remove(chan);
    m_chans.push_back(&chan);
    chan.m_lane = this;
    ++g_liveChannels;
}

void LaneChannels::Remove(TChan& chan) {
    const auto found = std::find(m_chans.rbegin(), m_chans.rend(), &chan);
    if (found == m_chans.rend())
        return;
    m_chans.erase(std::next(found).base());
    chan.m_lane = nullptr;
    --g_liveChannels;
}

// Lookups

TChannels& BallChannels(TBall& ball) {
    if (!ball.Sound)
        ball.Sound = std::make_unique<TChannels>();
    return static_cast<TChannels&>(*ball.Sound);
}

TChannels* ExistingBallChannels(const TBall& ball) {
    return static_cast<TChannels*>(ball.Sound.get());
}

LaneChannels& LaneSounding(TLane& lane) {
    if (!lane.Sounding)
        lane.Sounding = std::make_unique<LaneChannels>();
    return static_cast<LaneChannels&>(*lane.Sounding);
}

LaneChannels* ExistingLaneSounding(const TLane& lane) {
    return static_cast<LaneChannels*>(lane.Sounding.get());
}

int32_t LiveChannelCount() {
    return g_liveChannels;
}

void StopResourceChannels(const TTheBalls& balls, const TRes& resource) {
    for (int i = 0; i < balls.Count(); ++i) {
        if (TChannels* chans = ExistingBallChannels(balls.At(i)))
            chans->DeleteOfResource(resource);
    }
}
