// glorinbax --render: a plan rendered from its Start to its End into a WAV or MP3 file, without
// a window or a sound device.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The usage line of the form, for the program's usage text.
#define GBX_RENDER_USAGE                                                                           \
    "glorinbax --render PLAN OUT.wav|OUT.mp3 [--bits 8|16|32] [--tracks N] [--vbr]"

// `args` holds everything after the program name, "--render" first. Progress goes to `err`: a bar
// when `err` is the terminal's standard error, else a line at every tenth. Exit codes: 0 with the
// file complete, 1 when the plan, a sound file, the output file or the encoder fails, 2 for bad
// arguments.
int RunRenderCommand(const std::string& exeName, const std::vector<std::string>& args,
                     std::ostream& out, std::ostream& err);
