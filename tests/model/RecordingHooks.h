// Audio and window hooks that record what the arrangement asked of them.
#pragma once

#include "model/AudioHooks.h"
#include "model/WindowHooks.h"

#include <QString>

#include <vector>

class RecordingAudio : public AudioHooks {
public:
    void LockMixer() override { ++lockDepth; }
    void UnlockMixer() override { --lockDepth; }
    bool RemoveSync(uint32_t sync, QString& errorName) override {
        removedSyncs.push_back(sync);
        errorName = QStringLiteral("BASS_ERROR_HANDLE");
        return syncRemovalWorks;
    }
    void StopChannels(TBall& ball) override {
        stoppedUnlocked += lockDepth == 0;
        stopped.push_back(&ball);
    }
    void ReleaseBall(TBall& ball) override { releasedBalls.push_back(&ball); }
    void ReleasePiece(TPiece& piece) override { released.push_back(&piece); }
    void StartChannels(TBall&, Elements position, Elements offset) override {
        started.push_back({position, offset});
    }
    bool Playing() const override { return playing; }
    void SetChannelAttribute(TBall&, SoundAttribute attribute, float value) override {
        attributes.push_back({attribute, value});
        attributesUnlocked += lockDepth == 0;
    }
    bool MixerRunning() const override { return playing; }
    void SetOutputVolume(long double loudness) override { volumes.push_back(loudness); }
    void Reschedule() override { ++reschedules; }
    void ApplyToLaneSounding(TLane& lane, SoundAttribute attribute) override {
        laneAttributes.push_back({&lane, attribute});
    }
    void RescheduleLane(TLane& lane) override { rescheduledLanes.push_back(&lane); }
    void ReinitOutput(int32_t elementRate) override { reinitRates.push_back(elementRate); }

    bool playing = false;
    bool syncRemovalWorks = true;
    int lockDepth = 0;
    int stoppedUnlocked = 0;
    int attributesUnlocked = 0;
    int reschedules = 0;
    std::vector<uint32_t> removedSyncs;
    std::vector<TBall*> stopped;
    std::vector<TBall*> releasedBalls;
    std::vector<TPiece*> released;
    std::vector<std::pair<Elements, Elements>> started; // position, offset
    std::vector<std::pair<SoundAttribute, float>> attributes;
    std::vector<long double> volumes;
    std::vector<int32_t> reinitRates;
    std::vector<std::pair<TLane*, SoundAttribute>> laneAttributes;
    std::vector<TLane*> rescheduledLanes;
};

class RecordingWindow : public WindowHooks {
public:
    void TitleChanged() override { ++titleChanges; }
    void ClearPendingPlayPosition() override { ++pendingCleared; }
    void BallRemoved(const TBall& ball) override { removedBalls.push_back(&ball); }
    void SyncLoudnessSlider() override { ++sliderSyncs; }
    void RepaintRoom() override { ++roomRepaints; }

    int titleChanges = 0;
    int pendingCleared = 0;
    int roomRepaints = 0;
    std::vector<const TBall*> removedBalls;
    int sliderSyncs = 0;
};
