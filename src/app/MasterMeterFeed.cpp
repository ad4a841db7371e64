// Level reading with its three outcomes.
#include "app/MasterMeterFeed.h"

#include "controls/PeakMeter.h"
#include "model/MixerView.h"
#include "support/FaultLog.h"

bool UpdateMasterMeters(MixerView& mixer, TThePeakMeter* left, TThePeakMeter* right,
                        const MeterScene& scene) {
    uint32_t level = 0;
    try {
        const LevelReading reading = mixer.MasterLevel();
        switch (reading.status) {
        case LevelReading::Status::Ok:
            level = reading.level;
            break;
        case LevelReading::Status::NotPlaying:
            // Settling resets the meters; a level fed now would paint over that.
            mixer.StreamEnded();
            return false;
        case LevelReading::Status::Failed:
            GBX_FAULT("BASS_ChannelGetLevel " + reading.errorText.toStdString());
            break;
        }
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("BASS_ChannelGetLevel", e);
        level = 0;
    }
    if (left)
        left->SetLevel(static_cast<int32_t>(level & 0xFFFF), scene);
    if (right)
        right->SetLevel(static_cast<int32_t>(level >> 16), scene);
    return true;
}
