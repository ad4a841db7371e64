// The window's view of the mixer, which the audio side fills once its mingler exists.
#pragma once

#include "model/MixerView.h"

// The window and its controls are made before the audio side starts and freed after it is
// gone; until a view is set and after it is cleared, this answers as a program without a mixer.
// UI thread only, as MixerView.
class MixerViewSlot : public MixerView {
public:
    void Set(MixerView* view) { m_view = view; }

    LevelReading MasterLevel() override;
    uint32_t LaneLevel(const TLane& lane) override;
    PositionReading HeardPosition() override;
    void StreamEnded() override;
    bool LastPlaySucceeded() const override;
    void RestartEngine() override;
    int RenderCount() const override;
    bool RenderActive(int index) const override;
    void RenderTick(int index) override;
    void RemoveRender(int index) override;
    QStringList RenderProgress() const override;

private:
    MixerView* m_view = nullptr;
};
