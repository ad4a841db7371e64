// What the program, window and resource commands work on: the window, their own dialogs, the
// settings and the program's folders.
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class Arrangement;
class CommandHost;
class PlanDesktop;
class PlanDialogs;
class TGenericStopwatch;
class TWideCustomIniFile;
struct ProgramFolders;

// The window side implements it. UI thread only.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;

    // The client area as the window shows it now.
    virtual QImage ClientImage() = 0;
    // Borderless and maximised, or back to the border and the placement it had before.
    virtual void SwitchFullScreen() = 0;
    // Start-up is not over, or a full repaint is running.
    virtual bool Busy() const = 0;
    virtual void SwitchReport() = 0;
    // The output stops and starts again with its buffer; a rolling plan rolls on from the line.
    virtual void ReloadAudio() = 0;
};

enum class ReplaceAnswer { Replace, ReplaceAll, Skip, SkipAll, Cancel };

// A copy's progress as the user sees it; it closes when it goes.
class CopyProgress {
public:
    virtual ~CopyProgress() = default;
    // False: the user cancelled.
    virtual bool Step(qint64 doneBytes, qint64 totalBytes, const QString& file) = 0;
};

// The dialogs and desktop services of these commands beside the plan commands' ones. The
// callers bracket the dialogs with the dialog state. UI thread only.
class ProgramDialogs {
public:
    virtual ~ProgramDialogs() = default;
    // The desktop shows the folder.
    virtual void OpenFolder(const QString& folder) = 0;
    // The chosen folder, empty when the user cancels.
    virtual QString AskFolder(const QString& title, const QString& startFolder) = 0;
    // The target of a copy exists already.
    virtual ReplaceAnswer AskReplace(const QString& target) = 0;
    virtual std::unique_ptr<CopyProgress> ShowCopyProgress(const QString& title) = 0;
};

// Everything referenced outlives the commands.
struct ProgramLinks {
    Arrangement& arrangement;
    CommandHost& host;
    PlanDialogs& dialogs;
    PlanDesktop& desktop;
    ProgramWindow& window;
    ProgramDialogs& programDialogs;
    TWideCustomIniFile& settings;
    const ProgramFolders& folders;
    const TGenericStopwatch& stopwatch;
    // Whether the running renders may stop (they do on Yes); true when none runs.
    std::function<bool()> confirmStopPerpetuations;
    std::function<bool()> rendersRunning;
    // Shift is held as the command runs.
    std::function<bool()> shiftHeld;
};
