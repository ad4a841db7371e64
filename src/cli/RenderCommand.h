// glorinbax --render: a plan rendered from its Start to its End into a WAV, MP3, FLAC or Ogg
// Vorbis file (by the output's extension), without
// a window or a sound device.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The usage line of the form, for the program's usage text.
#define GBX_RENDER_USAGE                                                                           \
    "glorinbax --render PLAN OUT.wav|OUT.mp3|OUT.flac|OUT.ogg [--bits 8|16|24|32] [--tracks N] "   \
    "[--vbr]"

// `args` holds everything after the program name, "--render" first. Progress goes to `err`: a bar
// when `err` is the terminal's standard error, else a line at every tenth. Exit codes: 0 with the
// file complete, 1 when the plan, a sound file, the output file or the encoder fails, 2 for bad
// arguments (an output extension it cannot write among them), before anything is written.
int RunRenderCommand(const std::string& exeName, const std::vector<std::string>& args,
                     std::ostream& out, std::ostream& err);
