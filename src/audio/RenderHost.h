// What a render asks of the program around it: the window's, or the command line's.
#pragma once

#include <QString>

// UI thread only.
class RenderHost {
public:
    virtual ~RenderHost() = default;

    // Whether a finished render gets its report line: the main window exists and is not closing.
    virtual bool ReportsFinish() const = 0;
    // The plan's title shows the progress of the renders.
    virtual void RefreshTitle() = 0;
    // After a render whose order asked for it: the editing program (setting
    // Main.EditorialProgram) on the file, or the file's default program.
    virtual void OpenInEditor(const QString& fileName) = 0;
    virtual void OpenWithDefault(const QString& fileName) = 0;
};
