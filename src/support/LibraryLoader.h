// Loads shared libraries at run time with the program's fall-back rule.
#pragma once

#include <QString>

// Loads path; then, when that fails, its file name alone (system search, which includes
// the program folder); then defaultName. Returns the dlopen handle or nullptr, with
// errorText telling why the last attempt failed.
void* LoadLibraryFallback(const QString& path, const QString& defaultName, QString& errorText);
