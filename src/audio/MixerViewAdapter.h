// What the window reads from the mix (level, heard position) and asks of it, over the mingler.
#pragma once

#include "controls/MixerView.h"

class Arrangement;
class MinglerHost;
class TTheMingler;

// UI thread only; the readings are taken while the caller holds the mix lock.
class MixerViewAdapter : public MixerView {
public:
    MixerViewAdapter(Arrangement& arrangement, TTheMingler& mingler, MinglerHost& host)
        : m_arrangement(arrangement), m_mingler(mingler), m_host(host) {}

    LevelReading MasterLevel() override;
    PositionReading HeardPosition() override;
    void StreamEnded() override;
    bool LastPlaySucceeded() const override;
    // Starts the output again at the plan's rate, rolling again if it rolled.
    void RestartEngine() override;

private:
    Arrangement& m_arrangement;
    TTheMingler& m_mingler;
    MinglerHost& m_host;
};
