// The render timer's step over the mixer's list of renders.
#pragma once

class MixerView;

// From the last render to the first: an active one takes a step, a finished one is removed.
// False when no render is left.
bool TickRenders(MixerView& mixer);
