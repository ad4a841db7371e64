// The commands that act on the plan's file as it is on disk, and the information boxes.
#pragma once

#include <QString>

class PlanDesktop;
class PlanDialogs;
struct InstructorLinks;

// The program that opens the plan as text: the one the language names when this system has it,
// else the desktop's opener (a language file written elsewhere may name a program of another
// system).
QString EditorProgramFor(const QString& named);

// Starts the text editor on the file; when it does not start, the report says so. True when it
// started.
bool OpenInTextEditor(PlanDesktop& desktop, const QString& file);

// The file commands do nothing for an untitled plan, which has no file. UI thread only.
class PlanFileCommands {
public:
    explicit PlanFileCommands(const InstructorLinks& links) : m_links(links) {}

    void AmendPlanText();
    void OpenPlanWith();
    void ShowPlanInFolder();
    void CopyPlanPath();
    void ShowPlanProperties();
    void ShowPlanInfo();
    void ShowLanesInfo();

private:
    // The plan's file, or empty when it has none.
    QString planFile() const;
    // A dialog about the plan's file, inside the dialog state; nothing without a file.
    void showForPlanFile(void (PlanDialogs::*show)(const QString&));

    const InstructorLinks& m_links;
};
