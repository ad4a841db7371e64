// The render commands of the main menu: the plan rendered to a sound file beside live playback,
// the last rendered file opened, one render stopped, all of them paused and resumed.
#pragma once

#include <QString>

#include <functional>

class Arrangement;
class CommandHost;
class CommandTable;
class MixerViewAdapter;
class PlanDialogs;
class QTimer;
class RenderHost;
class RenderStopMenu;
class TThePlan;
class TTheMingler;
class TWideCustomIniFile;

// Everything referenced outlives the table.
struct RenderLinks {
    Arrangement& arrangement;
    CommandHost& host;
    PlanDialogs& dialogs;
    TWideCustomIniFile& settings; // section "Perpetuator"
    RenderHost& renderHost;       // for the renders and for opening the last rendered file
    RenderStopMenu& stopMenu;
    QTimer& renderTimer;   // steps the renders while it runs
    QString programFolder; // with its trailing "/": where a bare encoder library name is found
    // The list the renders join and the live mix they render beside; none before start-up.
    std::function<MixerViewAdapter*()> renders;
    std::function<TTheMingler*()> mingler;
};

// 1197 render, 1199 and 1200 open the last render, 1201 stop one, 1202 and 1203 pause or resume.
// UI thread only.
void AddRenderCommands(CommandTable& main, const RenderLinks& links);

// The file the render dialog proposes: the remembered folder while it exists, else the plan's
// (`defaultFolder` for a plan never saved); the remembered name, or the plan's handle or file
// name with the render extension.
QString ProposedRenderFile(const TWideCustomIniFile& settings, const TThePlan& plan,
                           const QString& defaultFolder);
