// The numbering of the language texts and of the command captions.
#pragma once

namespace parlance {
constexpr int kTextCount = 370; // texts 1..370
constexpr int kFirstCommandId = 1025;
constexpr int kLastCommandId = 1250;
constexpr int kCommandCount = kLastCommandId - kFirstCommandId + 1;
} // namespace parlance
