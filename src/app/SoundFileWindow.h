// The window's side of the sound-file commands: where their lanes and the room are drawn again.
#pragma once

#include "commands/SoundFileCommands.h"

class TGlorinbaxMF;

// The links of the sound-file commands that the window serves; the others as given. The window
// outlives the commands.
void AttachSoundFileWindow(SoundFileLinks& links, TGlorinbaxMF& window);
