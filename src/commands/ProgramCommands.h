// The commands on the program, its window and the plan's sound files as a whole.
#pragma once

#include "commands/ProgramCommandLinks.h"

class CommandTable;

// Full screen, the screenshot, the program's folder and properties, the audio reload, the report
// switch, the program's copy, the sound files' folders, list, facts, collection and purge, and
// the program that edits sound files. UI thread only.
void AddProgramCommands(CommandTable& main, const ProgramLinks& links);
