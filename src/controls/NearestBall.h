// Where the point goes for the next or previous ball: the nearest ball of each row's lane.
#pragma once

#include <cstdint>
#include <optional>

class Arrangement;

struct BallCell {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const BallCell&) const = default;
};

// Rows checked before the search gives up.
constexpr int kNearestBallRows = 500;

// From the cell (x, y): the nearest ball right of x on row y (left of it for the previous
// ball), else the first ball of the rows below (the last of the rows above), within 500 rows.
// Only a row's lane's own balls count, so the search never walks empty columns.
std::optional<BallCell> NearestBall(const Arrangement& arrangement, int32_t x, int32_t y,
                                    bool next);
