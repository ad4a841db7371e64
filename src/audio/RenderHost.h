// What a render asks of the program around it. The defaults describe a run without a window.
#pragma once

#include <QString>

// UI thread only.
class RenderHost {
public:
    virtual ~RenderHost() = default;

    // Whether a finished render gets its report line: the main window exists and is not closing.
    virtual bool ReportsFinish() const { return true; }
    // The plan's title shows the progress of the renders.
    virtual void RefreshTitle() {}
    // After a render whose order asked for it: the editing program (setting
    // Main.EditorialProgram) on the file, or the file's default program.
    virtual void OpenInEditor(const QString& fileName) { (void)fileName; }
    virtual void OpenWithDefault(const QString& fileName) { (void)fileName; }
};
