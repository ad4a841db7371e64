// The name of the user running the program, for texts that say who did something.
#pragma once

#include <QString>

// USER, else LOGNAME, else the password database's name for the real user id: a program started
// by a service or with a cleaned environment has neither variable. Empty only when no source
// knows the user.
QString CurrentUserName();
