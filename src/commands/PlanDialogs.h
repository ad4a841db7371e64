// What the plan-file commands ask of the user and of the desktop; the window side implements
// them with Qt (QtPlanDialogs, QtPlanDesktop), tests with fakes.
#pragma once

#include <QString>
#include <QStringList>

enum class SaveAnswer { Yes, No, Cancel, KeepAs };

// A file dialog as the language files describe it; the filter is in their form
// ("Desc|*.a;*.b|Desc2|*.c").
struct FileDialogSpec {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString folder; // where the dialog starts; empty: the dialog's own choice
};

// The save question about unkept changes. Its words come from the window side, which knows who
// began the changes. UI thread.
class SaveQuestion {
public:
    virtual ~SaveQuestion() = default;
    // Yes, No or Cancel; KeepAs (save under a new name) only when offered.
    virtual SaveAnswer AskSaveChanges(bool offerKeepAs) = 0;
};

// The dialogs of the plan-file commands. The callers bracket them with the dialog state. UI
// thread.
class PlanDialogs {
public:
    virtual ~PlanDialogs() = default;
    // The save dialog: fileName comes in proposed and goes out chosen; filterIndex counts from
    // 1, in and out. False when the user cancels.
    virtual bool AskSaveFile(const FileDialogSpec& spec, QString& fileName, int& filterIndex) = 0;
    // The open dialog: the chosen file, empty when the user cancels.
    virtual QString AskOpenFile(const FileDialogSpec& spec) = 0;
    virtual void ShowInformation(const QString& caption, const QString& text) = 0;
    // Lets the user choose a program and opens the file with it.
    virtual void ShowOpenWith(const QString& file) = 0;
    // The file's facts: where it is, its size, times, owner and permissions.
    virtual void ShowProperties(const QString& file) = 0;
};

// The desktop's services. UI thread.
class PlanDesktop {
public:
    virtual ~PlanDesktop() = default;
    // Starts the program with the arguments, never through a shell; false when it did not start.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // Opens the file in the program the desktop gives its kind; false when none took it.
    virtual bool OpenWithDefaultProgram(const QString& file) = 0;
    // The file manager shows the file's folder with the file selected where it can.
    virtual void ShowInFolder(const QString& file) = 0;
    virtual void SetClipboardText(const QString& text) = 0;
    virtual QString ClipboardText() const = 0;
};
