// Tidying the resource list: resources that no ball or lane names go.
#pragma once

class Arrangement;

// From the last resource to the first: one that no ball's or lane's own piece names is deleted
// and reported as released; one in use is reported as kept with its ball and lane counts.
// UI thread only.
void TidyResources(Arrangement& arrangement);
