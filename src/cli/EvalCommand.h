// "--eval": evaluates a formula text as one of the formula value classes.
#pragma once

#include <iosfwd>
#include <string>

// kind is "int", "int64" or "ext"; prints the value, "valid"/"invalid" and the error text.
// Returns false for an unknown kind.
bool PrintFormula(const std::string& text, const std::string& kind, std::ostream& out);
