// Stepping the master loudness.
#include "app/MasterLoudnessStep.h"

#include "app/FadeIn.h"
#include "model/Arrangement.h"

void StepMasterLoudness(Arrangement& arrangement, FadeIn& fade, long double delta) {
    TThePlan& plan = arrangement.plan;
    long double from = plan.MasterLoudness.Value();
    if (fade.Running()) {
        fade.Stop();
        from = fade.FadeLoudness();
    }
    plan.SetMasterLoudness(from + delta, true);
}
