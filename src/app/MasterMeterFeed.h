// Feeding the master meters from the level of the mix.
#pragma once

class MixerView;
class TThePeakMeter;
struct MeterScene;

// Reads the mix's level and gives the left meter the low and the right meter the high 16 bits.
// When the mix stream stopped by itself the carrier settles and the answer is false; a failed
// reading is written to the fault log and shows as silence. Call with the mixer lock held.
bool UpdateMasterMeters(MixerView& mixer, TThePeakMeter* left, TThePeakMeter* right,
                        const MeterScene& scene);
