// A plan of 100,000 balls on 16 lanes takes 1,000 single-ball edits (a ball placed, a loudness
// set, a ball removed, in turn), each one step of the edit history. Prints the heap the steps
// keep against the heap of the plan itself, and the time of the edits with the history against
// the same edits without it, in the same process, and takes every step back.
// Usage: history_bench [balls [steps [lanes]]]   (100000, 1000 and 16 unless told)
#include "commands/BallPlacing.h"
#include "commands/EditHistory.h"
#include "controls/BallLink.h"
#include "model/Arrangement.h"
#include "planfile/PlanDefaults.h"

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Workload {
    int balls;
    int steps;
    int lanes;
};

void FillPlan(Arrangement& arrangement, const Workload& w) {
    ResetToDefaults(arrangement);
    arrangement.plan.RecomputeTiming();
    for (int lane = 0; lane < w.lanes; ++lane)
        arrangement.lanes.Add(lane, TPiece::kNoOwnHue, true);
    for (int i = 0; i < w.balls; ++i)
        arrangement.balls.Add(i / w.lanes, i % w.lanes, TPiece::kNoOwnHue, false);
    arrangement.plan.ClearModified();
}

// Step i: a ball placed beyond the others, a loudness set on an existing ball, or a ball removed.
void Edit(Arrangement& arrangement, const Workload& w, int i) {
    const int balls = w.balls;
    const int32_t column = static_cast<int32_t>(balls / w.lanes + 1 + i / 3);
    const int32_t row = i % w.lanes;
    switch (i % 3) {
    case 0:
        PlaceBall(arrangement, column, row, false, nullptr, nullptr);
        break;
    case 1:
        arrangement.balls.SetLoudness(arrangement.balls.At((i * 7919) % balls),
                                      static_cast<long double>(i % 100));
        break;
    default:
        RemoveBallAtCell(arrangement, (i * 104729) % (balls / w.lanes), row, kChangeBallRemoved,
                         nullptr);
    }
}

struct Run {
    double ms = 0;
    size_t heapGrowth = 0;
    int stepsKept = 0;
};

// The edits on a fresh plan, with the history when given one.
Run EditAll(const Workload& w, bool withHistory) {
    Arrangement arrangement;
    FillPlan(arrangement, w);
    std::unique_ptr<TEditHistory> history;
    if (withHistory) {
        history = std::make_unique<TEditHistory>(arrangement, [] { return PlanReadContext{}; });
        history->SetRecording(true);
    }
    Run run;
    const size_t before = HeapInUse();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < w.steps; ++i) {
        Edit(arrangement, w, i);
        if (history && history->CloseStep())
            ++run.stepsKept;
    }
    run.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.heapGrowth = HeapInUse() - before;
    if (history) {
        int undone = 0;
        while (history->Undo())
            ++undone;
        if (undone != run.stepsKept)
            std::fprintf(stderr, "took back %d of %d steps\n", undone, run.stepsKept);
    }
    return run;
}

} // namespace

int main(int argc, char** argv) {
    const int lanes = argc > 3 ? std::max(1, std::atoi(argv[3])) : 16;
    const Workload w{argc > 1 ? std::max(lanes, std::atoi(argv[1])) : 100000,
                     argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000, lanes};

    const size_t empty = HeapInUse();
    size_t planBytes = 0;
    {
        Arrangement arrangement;
        FillPlan(arrangement, w);
        planBytes = HeapInUse() - empty;
    }
    const Run plain = EditAll(w, false);
    const Run recorded = EditAll(w, true);
    const double historyBytes = double(recorded.heapGrowth) - double(plain.heapGrowth);
    std::printf("%d balls on %d lanes (%.1f MB of heap), %d single-ball edits: %d steps kept, all "
                "taken back after\n",
                w.balls, w.lanes, double(planBytes) / (1024 * 1024), w.steps, recorded.stepsKept);
    std::printf("heap growth with the history %.1f KB, without %.1f KB: the steps keep %.1f KB "
                "(goal: under 1 MB)\n",
                double(recorded.heapGrowth) / 1024, double(plain.heapGrowth) / 1024,
                historyBytes / 1024);
    std::printf("edits with the history %.1f ms, without %.1f ms: ratio %.2f (%.3f ms a step)\n",
                recorded.ms, plain.ms, recorded.ms / plain.ms, recorded.ms / w.steps);
    return 0;
}
