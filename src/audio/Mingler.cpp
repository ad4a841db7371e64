// The live mix: streams, arming, range syncs, rolling, the audition and the lock.
#include "audio/Mingler.h"

#include "audio/Arming.h"
#include "audio/AudioFaults.h"
#include "audio/AudioOutput.h"
#include "audio/BassApi.h"
#include "audio/Channels.h"
#include "audio/MinglerHost.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

constexpr int kTextMixerFailed = 309;
constexpr int kTextNoMixerLibrary = 310;
constexpr QWORD kNoPosition = ~QWORD{0};

std::atomic<TTheMingler*> g_current{nullptr};
// Sync procedures under way, of any stream.
std::atomic<int> g_syncsInside{0};

// The streams each Lock of this thread took, so that Unlock releases the same one.
constexpr int kLockDepth = 32;
thread_local std::array<DWORD, kLockDepth> t_locked{};
thread_local int t_lockDepth = 0;

// Holds the mingler's lock for a scope.
class Locked {
public:
    explicit Locked(TTheMingler& mingler) : m_mingler(mingler) { m_mingler.Lock(); }
    ~Locked() { m_mingler.Unlock(); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    TTheMingler& m_mingler;
};

} // namespace

// Target

bool TTheMingler::Target::AddChannel(TChan& chan, Elements delay, int64_t length) {
    const DWORD flags =
        (chan.PanMatrix().empty() ? 0 : BASS_MIXER_MATRIX) | m_mingler.m_sourceFlags;
    if (!BassMix().BASS_Mixer_StreamAddChannelEx(
            m_mixer, chan.Handle(), flags, static_cast<QWORD>(std::max<int64_t>(delay.count, 0)),
            static_cast<QWORD>(std::max<int64_t>(length, 0) / 2))) {
        GBX_AUDIO_FAULT("BASS_Mixer_StreamAddChannelEx " + BassErrorText());
        return false;
    }
    chan.ApplyPan();
    chan.ApplyLoudness();
    return true;
}

TChannels& TTheMingler::Target::ChannelsOf(TBall& ball) {
    return BallChannels(ball);
}

// Life

TTheMingler::TTheMingler(Arrangement& arrangement, AudioOutput& output, MinglerHost& host,
                         Setup setup)
    : m_arrangement(arrangement), m_output(output), m_host(host), m_setup(setup),
      m_roundRobin(setup.roundRobin), m_sourceFlags(setup.laneMeters ? BASS_MIXER_BUFFER : 0) {
    g_current = this;
}

TTheMingler::~TTheMingler() {
    g_current = nullptr;
    if (!BassLoaded())
        return;
    ReleaseAudition();
    if (m_handle)
        stopAndFree();
    // A sync that found this mingler before it went may still run; a freed stream gives up the
    // lock such a sync waits for, so it leaves soon. The count is of every stream's syncs: there
    // is one mingler at a time.
    while (g_syncsInside.load() > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    DrainAudioFaults();
}

TTheMingler* TTheMingler::Current() {
    return g_current;
}

// Lock

void TTheMingler::Lock() {
    const DWORD handle = m_handle;
    if (t_lockDepth < kLockDepth)
        t_locked[t_lockDepth] = handle;
    ++t_lockDepth;
    if (handle && !Bass().BASS_ChannelLock(handle, TRUE))
        GBX_AUDIO_FAULT("BASS_ChannelLock " + BassErrorText());
}

void TTheMingler::Unlock() {
    if (t_lockDepth == 0)
        return;
    --t_lockDepth;
    const DWORD handle = t_lockDepth < kLockDepth ? t_locked[t_lockDepth] : m_handle.load();
    // A stream freed while locked took its lock with it.
    if (handle && !Bass().BASS_ChannelLock(handle, FALSE) && handle == m_handle)
        GBX_AUDIO_FAULT("BASS_ChannelLock " + BassErrorText());
}

// Streams

DWORD TTheMingler::CreateMixStream() {
    if (!BassMixLoaded()) {
        AudioReport(Text(kTextMixerFailed), Text(kTextNoMixerLibrary), true);
        return 0;
    }
    const int32_t rate = m_arrangement.plan.ElementRate.Value();
    const DWORD flags = BASS_MIXER_NONSTOP | (decoding() ? BASS_STREAM_DECODE : 0);
    const DWORD handle =
        BassMix().BASS_Mixer_StreamCreate(static_cast<DWORD>(std::max(rate, 0)), kChans, flags);
    if (!handle)
        AudioReport(Text(kTextMixerFailed), BassErrorName() + " (BASS_Mixer_StreamCreate)", true);
    return handle;
}

void TTheMingler::freeStream(std::atomic<DWORD>& stream) {
    const DWORD handle = stream.load();
    if (!handle)
        return;
    // Gone from the mingler under the stream's own lock: a sync that holds it ends first, and
    // one that takes it after finds the stream gone.
    const bool locked = Bass().BASS_ChannelLock(handle, TRUE) != FALSE;
    stream = 0;
    if (locked)
        Bass().BASS_ChannelLock(handle, FALSE);
    if (!Bass().BASS_StreamFree(handle))
        GBX_AUDIO_FAULT("BASS_StreamFree " + BassErrorText());
}

void TTheMingler::CreateStream() {
    try {
        ReleaseAudition();
        if (m_handle)
            stopAndFree(); // nothing may stay armed in, or synced to, the stream that goes
        m_handle = CreateMixStream();
        if (!m_handle)
            return;
        if (m_host.FadeInPending()) {
            m_host.StartFadeIn();
            SetVolume(0);
        } else if (!m_host.FadeRunning()) {
            SetVolume(static_cast<float>(m_arrangement.plan.MasterLoudness.Value()));
        } else {
            SetVolume(static_cast<float>(m_host.FadeLevel()));
        }
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("TheMingler.CreateStream", e);
    }
}

void TTheMingler::SetVolume(float volume) {
    Locked locked(*this);
    if (m_handle && !Bass().BASS_ChannelSetAttribute(m_handle, BASS_ATTRIB_VOL, volume))
        GBX_AUDIO_FAULT("BASS_ChannelSetAttribute " + BassErrorText());
}

bool TTheMingler::Play() {
    m_wrapped = false;
    if (decoding()) {
        m_playing = m_handle != 0;
    } else {
        m_playing = Bass().BASS_ChannelPlay(m_handle, FALSE) != FALSE;
        if (!m_playing)
            GBX_AUDIO_FAULT("BASS_ChannelPlay " + BassErrorText());
    }
    return m_playing;
}

void TTheMingler::ChannelStop() {
    Locked locked(*this);
    if (m_handle && !Bass().BASS_ChannelStop(m_handle))
        GBX_AUDIO_FAULT("BASS_ChannelStop " + BassErrorText());
}

void TTheMingler::disarm() {
    Locked locked(*this);
    removeWrapSync();
    removeRangeEndSync();
    SilenceAll();
}

void TTheMingler::Stop() {
    disarm();
    ChannelStop();
    DrainAudioFaults();
}

void TTheMingler::stopAndFree() {
    {
        // One hold of the lock: a sync that was on its way in cannot arm balls in between.
        Locked locked(*this);
        disarm();
        ChannelStop();
        freeStream(m_handle);
    }
    DrainAudioFaults();
}

bool TTheMingler::Pause() {
    Locked locked(*this);
    if (decoding() || !m_handle)
        return m_handle != 0;
    if (Bass().BASS_ChannelPause(m_handle))
        return true;
    GBX_AUDIO_FAULT("BASS_ChannelPause " + BassErrorText());
    return false;
}

void TTheMingler::Release() {
    m_playing = false;
    if (m_handle)
        stopAndFree();
}

int64_t TTheMingler::decodePosition() {
    const QWORD position = Bass().BASS_ChannelGetPosition(m_handle, BASS_POS_DECODE);
    if (position == kNoPosition) {
        GBX_AUDIO_FAULT("BASS_ChannelGetPosition " + BassErrorText());
        return -1;
    }
    return static_cast<int64_t>(position);
}

Elements TTheMingler::Position() {
    if (!m_handle)
        return Elements{0};
    Locked locked(*this);
    const int64_t position = decodePosition();
    return Elements{std::max<int64_t>(position, 0) + m_decodeOrigin};
}

bool TTheMingler::HeardPosition(Elements& position) {
    if (!m_handle)
        return false;
    Locked locked(*this); // the wraps and the origin change under it
    const QWORD heard = Bass().BASS_ChannelGetPosition(m_handle, BASS_POS_BYTE);
    if (heard == kNoPosition)
        return false;
    const auto byte = static_cast<int64_t>(heard);
    position = Elements{byte + m_unheardWraps.OriginAt(byte, m_origin)};
    return true;
}

// Rolling and arming

void TTheMingler::Roll(Elements from) {
    DrainAudioFaults();
    CreateStream();
    if (!m_handle) {
        m_playing = false;
        return;
    }
    Locked locked(*this);
    m_origin = from.count;
    m_decodeOrigin = from.count;
    m_unheardWraps.Clear();
    setWrapSync(from);
    setRangeEndSync(from);
    ArmAll(from);
    if (!Play())
        Stop();
}

void TTheMingler::ArmAll(Elements from) {
    Locked locked(*this);
    TTheBalls& balls = m_arrangement.balls;
    const Elements end = m_arrangement.plan.End;
    const bool looping = m_roundRobin;
    for (int i = 0; i < balls.Count(); ++i) {
        TBall& ball = balls.At(i);
        if (looping && BeyondRangeEnd(ball, from, end))
            continue;
        ArmBallFrom(balls, ball, from, m_live);
    }
}

void TTheMingler::armIfUnarmed(TBall& ball, Elements from) {
    const TChannels* chans = ExistingBallChannels(ball);
    if (ball.Sync != 0 || (chans && chans->Count() > 0))
        return;
    if (m_roundRobin && BeyondRangeEnd(ball, from, m_arrangement.plan.End))
        return;
    ArmBallFrom(m_arrangement.balls, ball, from, m_live);
}

void TTheMingler::ArmList(const std::vector<TBall*>& balls, Elements from) {
    Locked locked(*this);
    for (TBall* ball : balls)
        armIfUnarmed(*ball, from);
}

void TTheMingler::RearmList(const std::vector<TBall*>& balls) {
    if (!m_handle)
        return;
    Locked locked(*this);
    const int64_t position = decodePosition();
    if (position >= 0)
        ArmList(balls, Elements{position + m_decodeOrigin});
}

void TTheMingler::RearmAll() {
    if (!m_handle)
        return;
    Locked locked(*this);
    SilenceAll();
    const int64_t position = decodePosition();
    if (position >= 0)
        ArmAll(Elements{position + m_decodeOrigin});
}

void TTheMingler::ArmBall(TBall& ball) {
    if (!ball.Lane() || m_host.CarrierSettling() || !m_handle)
        return;
    // Under the lock: a wrap on the mixing thread arms balls and makes their channels.
    Locked locked(*this);
    // A ball armed already (by the roll or a wrap, as a waiting channel) would sound twice.
    const TChannels* chans = ExistingBallChannels(ball);
    if (ball.Sync != 0 || (chans && chans->Count() > 0))
        return;
    BallChannels(ball); // made here rather than on the mixing thread
    const int64_t mixed = decodePosition();
    if (mixed < 0)
        return;
    const int64_t start = ball.Start().count - m_decodeOrigin;
    int64_t at = start;
    if (mixed + kArmAhead <= start) {
        ball.PlayOffset = Elements{0};
    } else {
        ball.PlayOffset = Elements{(mixed - start + 6) * kSampleBytes};
        at = mixed + kArmAhead;
    }
    ball.Sync = Bass().BASS_ChannelSetSync(m_handle, BASS_SYNC_POS | BASS_SYNC_MIXTIME,
                                           static_cast<QWORD>(at), BallSync, &ball);
    if (!ball.Sync)
        GBX_AUDIO_FAULT("BASS_ChannelSetSync " + BassErrorText());
}

void TTheMingler::SilenceBall(TBall& ball) {
    Locked locked(*this);
    if (ball.Sync != 0) {
        if (!Bass().BASS_ChannelRemoveSync(m_handle, ball.Sync))
            GBX_AUDIO_FAULT("BASS_ChannelRemoveSync " + BassErrorText());
        ball.Sync = 0;
    }
    if (TChannels* chans = ExistingBallChannels(ball))
        chans->Clear();
}

void TTheMingler::SilenceAll() {
    Locked locked(*this);
    TTheBalls& balls = m_arrangement.balls;
    for (int i = 0; i < balls.Count(); ++i)
        SilenceBall(balls.At(i));
}

// Range syncs

void TTheMingler::setWrapSync(Elements from) {
    const TThePlan& plan = m_arrangement.plan;
    const int64_t at = plan.End.count - from.count;
    if (!m_roundRobin || plan.Start == plan.End || at < 0)
        return;
    m_wrapAt = at;
    m_wrapSync = Bass().BASS_ChannelSetSync(m_handle, BASS_SYNC_POS | BASS_SYNC_MIXTIME,
                                            static_cast<QWORD>(at), WrapSync, nullptr);
    if (!m_wrapSync)
        GBX_AUDIO_FAULT("BASS_ChannelSetSync " + BassErrorText());
}

void TTheMingler::setRangeEndSync(Elements from) {
    const TThePlan& plan = m_arrangement.plan;
    const int64_t at = plan.End.count - from.count;
    if (plan.Start == plan.End || at < 0)
        return;
    m_rangeEndSync = Bass().BASS_ChannelSetSync(m_handle, BASS_SYNC_POS, static_cast<QWORD>(at),
                                                EndSync, nullptr);
    if (!m_rangeEndSync)
        GBX_AUDIO_FAULT("BASS_ChannelSetSync " + BassErrorText());
}

void TTheMingler::removeWrapSync() {
    if (m_wrapSync != 0 && m_playing && !Bass().BASS_ChannelRemoveSync(m_handle, m_wrapSync))
        GBX_AUDIO_FAULT("BASS_ChannelRemoveSync " + BassErrorText());
    m_wrapSync = 0;
}

void TTheMingler::removeRangeEndSync() {
    if (m_rangeEndSync != 0 && !Bass().BASS_ChannelRemoveSync(m_handle, m_rangeEndSync))
        GBX_AUDIO_FAULT("BASS_ChannelRemoveSync " + BassErrorText());
    m_rangeEndSync = 0;
}

void TTheMingler::Resync() {
    if (!m_handle)
        return;
    Locked locked(*this);
    removeWrapSync();
    removeRangeEndSync();
    setWrapSync(DecodeOrigin());
    setRangeEndSync(DecodeOrigin());
}

void TTheMingler::ToggleRoundRobin() {
    m_roundRobin = !m_roundRobin;
    const TThePlan& plan = m_arrangement.plan;
    // Whether the mix wrapped is read under the lock: a wrap that ran while this waited for it
    // is heard later, and must be jumped over like any other.
    bool wrapped = false;
    if (m_handle) {
        Locked locked(*this);
        wrapped = m_host.CarrierRolls() && m_wrapped;
        if (!wrapped)
            changeRangeSyncsForLooping();
    }
    if (wrapped)
        m_host.CarrierJumpTo(m_roundRobin ? plan.Start : plan.End);
    m_host.RepaintRoom();
    if (Position() > plan.End && plan.Start <= plan.End && m_host.CarrierRolls() && m_roundRobin)
        m_host.RollCarrierFrom(plan.Start);
}

void TTheMingler::changeRangeSyncsForLooping() {
    removeRangeEndSync();
    if (m_roundRobin) {
        setWrapSync(DecodeOrigin());
        setRangeEndSync(DecodeOrigin());
    } else {
        removeWrapSync();
        std::vector<TBall*> all;
        all.reserve(static_cast<size_t>(m_arrangement.balls.Count()));
        for (int i = 0; i < m_arrangement.balls.Count(); ++i)
            all.push_back(&m_arrangement.balls.At(i));
        RearmList(all);
    }
}

void TTheMingler::SetLaneMeters(bool shown) {
    m_sourceFlags = shown ? BASS_MIXER_BUFFER : 0;
    RearmAll();
}

void TTheMingler::ReinitBass(uint32_t rate) {
    bool rolled = false;
    Elements from{};
    if (m_handle) {
        Locked locked(*this);
        rolled = m_host.CarrierRolls();
        if (rolled) {
            from = m_host.LinePosition();
            m_host.StopCarrier();
        }
    }
    ReleaseAudition();
    if (m_handle)
        stopAndFree();
    m_output.FreeBass();
    m_output.InitBass(rate);
    if (rolled)
        m_host.RollCarrierFrom(from);
}

// Syncs

// A sync procedure's way in: the mingler the sync is for, with its lock taken; none when the
// mingler, its stream or the window went before or while the sync waited for the lock. The
// mingler's end waits until every entry has left, so that no sync runs on a mingler that is gone.
class TTheMingler::SyncEntry {
public:
    explicit SyncEntry(DWORD channel) : m_channel(channel) {
        g_syncsInside.fetch_add(1);
        TTheMingler* mingler = g_current;
        if (!mingler || channel == 0 || !mingler->currentFor(channel))
            return;
        // Taken on the channel itself: a stream freed meanwhile gives the lock up, no fault.
        m_locked = Bass().BASS_ChannelLock(channel, TRUE) != FALSE;
        if (m_locked && g_current == mingler && mingler->currentFor(channel))
            m_mingler = mingler;
    }
    ~SyncEntry() {
        Unlock();
        g_syncsInside.fetch_sub(1);
    }
    SyncEntry(const SyncEntry&) = delete;
    SyncEntry& operator=(const SyncEntry&) = delete;

    TTheMingler* Mingler() const { return m_mingler; }
    // The lock goes early; the mingler stays for the entry's life.
    void Unlock() {
        if (m_locked)
            Bass().BASS_ChannelLock(m_channel, FALSE);
        m_locked = false;
    }

private:
    SyncScope m_scope;
    DWORD m_channel;
    bool m_locked = false;
    TTheMingler* m_mingler = nullptr;
};

bool TTheMingler::currentFor(DWORD channel) const {
    return !m_host.Closing() && m_handle == channel;
}

void TTheMingler::BallSync(DWORD sync, DWORD channel, DWORD, void* user) {
    const SyncEntry entry(channel);
    TTheMingler* mingler = entry.Mingler();
    if (!mingler)
        return;
    auto& ball = *static_cast<TBall*>(user);
    if (!Bass().BASS_ChannelRemoveSync(channel, sync))
        GBX_AUDIO_FAULT("BASS_ChannelRemoveSync " + BassErrorText());
    ball.Sync = 0;
    StartBallSound(mingler->m_arrangement.balls, ball, true, Elements{0}, mingler->m_live);
}

void TTheMingler::WrapSync(DWORD, DWORD channel, DWORD, void*) {
    const SyncEntry entry(channel);
    TTheMingler* mingler = entry.Mingler();
    if (!mingler)
        return;
    const Elements start = mingler->m_arrangement.plan.Start;
    // The stream's bytes run on from the wrap, counted from the range's start. Setting the
    // position back to 0 would leave the heard bytes of both sides of the wrap alike, and the
    // heard position would add the new bytes to the old origin until the end sync runs.
    const int64_t wrapAt = mingler->m_wrapAt;
    const int64_t origin = start.count - wrapAt;
    mingler->m_wrapped = true;
    mingler->m_decodeOrigin = origin;
    mingler->m_unheardWraps.Add(wrapAt, origin);
    mingler->removeWrapSync();
    mingler->setWrapSync(Elements{origin});
    // The end sync at this wrap's byte stays, to run when the wrap is heard; the next lap's end
    // gets one of its own now, well before it can be heard.
    mingler->m_rangeEndSync = 0;
    mingler->setRangeEndSync(Elements{origin});
    mingler->SilenceAll();
    mingler->ArmAll(start);
    mingler->m_host.LineWrapped(start);
}

void TTheMingler::EndSync(DWORD sync, DWORD channel, DWORD, void*) {
    SyncEntry entry(channel);
    TTheMingler* mingler = entry.Mingler();
    if (!mingler)
        return;
    if (sync == mingler->m_rangeEndSync)
        mingler->removeRangeEndSync();
    else // one a wrap left to be heard, or one removed while this waited for the lock
        Bass().BASS_ChannelRemoveSync(channel, sync);
    // Every wrap heard by now, this sync's and any a late sync thread let pass.
    const QWORD heard = Bass().BASS_ChannelGetPosition(channel, BASS_POS_BYTE);
    if (heard != kNoPosition) {
        if (const auto origin = mingler->m_unheardWraps.TakeHeard(static_cast<int64_t>(heard)))
            mingler->m_origin = *origin;
    }
    if (mingler->m_roundRobin) {
        mingler->m_wrapped = !mingler->m_unheardWraps.Empty();
        mingler->m_host.LineBaseReset(mingler->m_arrangement.plan.Start);
    }
    entry.Unlock();
    mingler->m_host.RangeEndHeard();
}

// Audition

void TTheMingler::Audition(const TPiece* a, const TPiece* b, TLane* lane, bool replace, bool stop) {
    if (stop) {
        ReleaseAudition();
        return;
    }
    const TPiece* piece = a && a->Resource ? a : b;
    if (!piece || !piece->Resource || piece->Resource->Life <= 0)
        return;
    const bool standIn = !m_handle || !m_host.CarrierRolls();
    if (standIn && !m_auditionHandle) {
        m_auditionHandle = CreateMixStream();
        if (!m_auditionHandle)
            return;
        const auto volume = static_cast<float>(m_arrangement.plan.MasterLoudness.Value());
        if (!Bass().BASS_ChannelSetAttribute(m_auditionHandle, BASS_ATTRIB_VOL, volume))
            GBX_AUDIO_FAULT("BASS_ChannelSetAttribute " + BassErrorText());
    }
    Target& target = standIn ? m_audition : m_live;
    Locked locked(*this);
    const DWORD mixer = target.Mixer();
    Bass().BASS_ChannelLock(mixer, TRUE);
    if (!m_auditionChannels)
        m_auditionChannels = std::make_unique<TChannels>();
    else if (replace)
        m_auditionChannels->Clear();
    if (TChan* chan = m_auditionChannels->Play(*piece, nullptr, 0, Elements{0}, target, lane)) {
        if (b)
            chan->Piece = b;
        if (standIn && !decoding() && !Bass().BASS_ChannelPlay(mixer, FALSE))
            GBX_AUDIO_FAULT("BASS_ChannelPlay " + BassErrorText());
    }
    Bass().BASS_ChannelLock(mixer, FALSE);
}

void TTheMingler::ReleaseAudition() {
    Locked locked(*this);
    m_auditionChannels.reset();
    freeStream(m_auditionHandle);
}

void TTheMingler::ReleaseAuditionOf(const TRes& resource) {
    Locked locked(*this);
    if (m_auditionChannels)
        m_auditionChannels->DeleteOfResource(resource);
}

void TTheMingler::ReleaseAuditionOf(const TPiece& piece) {
    Locked locked(*this);
    if (m_auditionChannels)
        m_auditionChannels->DeleteOfPiece(piece);
}

uint32_t TTheMingler::LaneLevel(const TLane& lane) {
    const LaneChannels* sounding = ExistingLaneSounding(lane);
    if (!sounding)
        return 0;
    Locked locked(*this);
    uint32_t left = 0;
    uint32_t right = 0;
    for (int i = 0; i < sounding->Count(); ++i) {
        const DWORD level = BassMix().BASS_Mixer_ChannelGetLevel(sounding->At(i).Handle());
        if (level == ~DWORD{0})
            continue;
        left = std::max(left, level & 0xFFFF);
        right = std::max(right, level >> 16);
    }
    return left | (right << 16);
}
