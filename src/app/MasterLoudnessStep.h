// A step of the plan's master loudness, as the wheel and the loudness slider's track give it.
#pragma once

class Arrangement;
class FadeIn;

// From where the loudness is heard now: a running start-up fade ends at its current loudness
// and the step goes from there. The plan keeps the result within 0..1 and the slider follows.
void StepMasterLoudness(Arrangement& arrangement, FadeIn& fade, long double delta);
