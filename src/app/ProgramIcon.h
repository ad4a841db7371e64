// The icon of the program's windows.
#pragma once

#include <QIcon>
#include <QString>

// The desktop theme's icon where the program is installed, else the one drawn into the program
// folder's icons/ at build time.
QIcon ProgramIcon(const QString& programFolder);
