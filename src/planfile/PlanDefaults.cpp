// Resetting a plan to the values of a new one.
#include "planfile/PlanDefaults.h"

#include "model/Arrangement.h"

void ResetToDefaults(Arrangement& arrangement) {
    TThePlan& plan = arrangement.plan;
    plan.MPH.SetText("120");
    plan.FrameResolution.SetText("512");
    plan.Frames.SetText("32");
    plan.ElementRate.SetText("44100");
    plan.Start = Elements{0};
    plan.End = Elements{0};
    arrangement.room.OffsetX = 8;
    arrangement.room.OffsetY = 8;
    arrangement.room.Point.X = 0;
    arrangement.room.Point.Y = 0;
    plan.Memory = false;
    plan.MasterLoudness.SetText("0.8");
    plan.Master.Loudness.SetValue(0.1L);
    plan.Master.Pan.SetValue(0.0L);
    plan.Master.ResStart.SetValue(int64_t{0});
    plan.Master.Life.SetValue(int64_t{0});
    plan.Master.Handle.clear();
    plan.ResourcesFolder.clear();
}

void StartFromDefaults(Arrangement& arrangement) {
    ResetToDefaults(arrangement);
    arrangement.plan.RecomputeTiming();
}
