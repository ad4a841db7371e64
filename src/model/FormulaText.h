// A formula as the information texts show it.
#pragma once

#include <QString>

#include <string>

// The formula's text, or the words for "not set" when it is the text that means so.
QString FormulaTextOrNotSet(const std::string& text, const char* notSet);
