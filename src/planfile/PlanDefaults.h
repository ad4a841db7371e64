// The values of a new plan.
#pragma once

class Arrangement;

// Header values, room offsets, the point and the master piece's numbers; lanes, balls and the
// other fields stay as they are.
void ResetToDefaults(Arrangement& arrangement);
// The defaults with their timing, where every reader starts: a file that gives no usable timing
// keeps this one.
void StartFromDefaults(Arrangement& arrangement);
