// The window's side of the sound-file commands: where their lanes are drawn again and which
// row the last context menu opened on.
#pragma once

#include "commands/SoundFileCommands.h"

class ProgramMenus;
class TGlorinbaxMF;

// The links of the sound-file commands that the window serves; the others as given. The window
// and the menus outlive the commands.
struct SoundFileWindowParts {
    TGlorinbaxMF& window;
    const ProgramMenus& menus;
};
void AttachSoundFileWindow(SoundFileLinks& links, const SoundFileWindowParts& parts);
