// Copying the program, with what it needs beside it, to another folder.
#pragma once

#include "commands/FileCopying.h"
#include "commands/ProgramCommandLinks.h"

#include <vector>

struct ProgramFolders;

// The executable to `target`; with `whole`, also the engine libraries beside it, the settings
// file and the language files under "data/", and the interior styles, each to the same place
// beside `target`.
std::vector<FileCopy> ProgramCopyList(const ProgramFolders& folders, const QString& target,
                                      bool whole);

// The save dialog chooses the target; the program folder itself is refused. The copy shows its
// progress as the settings say, and the report has the number of files copied. UI thread only.
void SelfReproduce(const ProgramLinks& links);
