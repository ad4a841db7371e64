// What the window reads from the mix (level, heard position) and asks of it, over the mingler;
// and the renders in progress.
#pragma once

#include "model/MixerView.h"

#include <memory>
#include <vector>

class Arrangement;
class MinglerHost;
class TTheMingler;
class TThePerpetuator;

// UI thread only; the readings are taken while the caller holds the mix lock. Made after the
// mingler and freed before it: freeing it aborts the renders still running.
class MixerViewAdapter : public MixerView {
public:
    MixerViewAdapter(Arrangement& arrangement, TTheMingler& mingler, MinglerHost& host);
    ~MixerViewAdapter() override;

    LevelReading MasterLevel() override;
    uint32_t LaneLevel(const TLane& lane) override;
    PositionReading HeardPosition() override;
    void StreamEnded() override;
    bool LastPlaySucceeded() const override;
    // Starts the output again at the plan's rate, rolling again if it rolled.
    void RestartEngine() override;

    // A render joins the list once started (or failed to start: the timer removes it).
    TThePerpetuator& AddRender(std::unique_ptr<TThePerpetuator> render);
    int RenderCount() const override;
    // In list order: the newest last.
    TThePerpetuator& Render(int index) { return *m_renders.at(index); }
    bool RenderActive(int index) const override;
    void RenderTick(int index) override;
    // Frees the render; one still running is aborted first, its file complete so far.
    void RemoveRender(int index) override;
    QStringList RenderProgress() const override;

private:
    Arrangement& m_arrangement;
    TTheMingler& m_mingler;
    MinglerHost& m_host;
    std::vector<std::unique_ptr<TThePerpetuator>> m_renders;
};
