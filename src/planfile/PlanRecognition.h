// Telling a text plan from any other file the INI reading can make sections of.
#pragma once

class TWideCustomIniFile;

// A text plan has a section "Main" or, in the oldest form, a ball's key in one of its sections.
// A picture, a document or random bytes have neither, and must not load as an empty plan (whose
// next keep would write over the file).
bool HoldsTextPlan(const TWideCustomIniFile& ini);
