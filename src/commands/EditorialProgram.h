// The program that edits sound files, as the settings keep it.
#pragma once

#include <QString>
#include <QStringList>

class CommandHost;
class PlanDesktop;
class PlanDialogs;
class TWideCustomIniFile;

// Empty when none was chosen.
QString EditorialProgram(const TWideCustomIniFile& settings);

// The user chooses the program in a file dialog, inside the dialog state; false on cancel.
bool ChooseEditorialProgram(PlanDialogs& dialogs, CommandHost& host, TWideCustomIniFile& settings);

// Starts the program with the arguments; a program that does not start gets a report line.
// False when none is chosen or it did not start.
bool StartEditorialProgram(PlanDesktop& desktop, const TWideCustomIniFile& settings,
                           const QStringList& arguments);
