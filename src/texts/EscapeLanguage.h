// The escape language inside language entries: %%, %&c, %#n, %^n, %_n and %n.
#pragma once

#include <QString>

#include <functional>

// Text number n as it stands at this moment; asked only for n in 1..370.
using TextLookup = std::function<QString(int n)>;

// Expands one entry:
//   %%   one "%"
//   %&c  removed; "&" goes before the first c (case-sensitive) earlier in the entry
//   %#n  the character with code n (16-bit); "%#" without digits is removed
//   %n   text n; %^n and %_n also upper- or lower-case the character where it starts
// A reference outside 1..370, and any other "%", stays as written. Scanning goes on
// right after what an escape produced, so inserted text is never expanded again.
QString ExpandReferences(const QString& entry, const TextLookup& text);
