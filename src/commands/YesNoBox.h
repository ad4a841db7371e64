// A Yes/No question in a message box, as the commands that delete ask it.
#pragma once

class CommandHost;
class QString;

// Inside the window's dialog bracket and the controls' dialog state; true for Yes. UI thread.
bool AskYesNoBox(CommandHost& host, const QString& caption, const QString& text,
                 const QString& detail);
