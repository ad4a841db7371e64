// Reading a sound file again after it changed on disk.
#pragma once

class Arrangement;
class TRes;
class TTheMingler;

// What plays the resource stops, it is opened and measured anew (a file that no longer decodes
// leaves it unmeasured), and, while the mingler rolls, the balls that play it start again from
// the position mixed now. The file is read outside the mix lock. UI thread only.
void ReloadResource(Arrangement& arrangement, TRes& resource, TTheMingler* mingler);
