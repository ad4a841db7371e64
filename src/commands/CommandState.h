// The state the commands share between one command and the next.
#pragma once

#include <cstdint>

class TBall;
class TLane;

// Lives as long as the instructor. UI thread only. The lane and ball are forgotten whenever the
// plan's content is replaced.
struct CommandState {
    TLane* CurrentLane = nullptr; // the lane the lane commands act on
    TBall* CurrentBall = nullptr; // the ball the ball commands act on
    int64_t Mark = 0;             // when the running command began, on the program's stopwatch
};
