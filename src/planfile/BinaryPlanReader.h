// Reads the binary plan form into an arrangement.
#pragma once

#include "planfile/PlanReadContext.h"

#include <QByteArray>

class Arrangement;

// Fills an arrangement with empty lane and ball lists from a file image that begins with the
// magic. Reading stops at the first format fault: what was read before it stays, the load
// messages say where, and the answer is false. A ball that cannot be placed ends the balls
// with a load message but does not fail the read.
bool ReadBinaryPlan(Arrangement& arrangement, const QByteArray& image,
                    const PlanReadContext& context);
