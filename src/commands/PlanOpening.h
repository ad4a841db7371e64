// Replacing the plan: a new one, one chosen in the open dialog, one named by a dropped file or
// by the clipboard.
#pragma once

#include <QString>

class Arrangement;
class PlanKeeper;
struct CommandState;
struct InstructorLinks;

// The new plan's values, with the untitled name; no question, nothing else settled. Lanes and
// balls stay as they are.
void StartNewPlan(Arrangement& arrangement);

// Whether the file's name is a plan file's (".skw", or the older ".ini", in any case).
bool NamesPlanFile(const QString& file);

// The plan file a clipboard text names: its first line, trimmed (and unquoted), when that names
// an existing ".skw" or ".ini" file; else empty.
QString ClipboardPlanName(const QString& text);

// UI thread only.
class PlanOpener {
public:
    PlanOpener(const InstructorLinks& links, PlanKeeper& keeper, CommandState& state)
        : m_links(links), m_keeper(keeper), m_state(state) {}

    // Unless at start-up: asks about unkept changes and keeps by the answer, asks to stop
    // running renders, then empties the plan, and the window follows.
    void NewPlan(bool atStartup);
    // The save question, the open dialog, then the keep and the renders' question as in NewPlan.
    void OpenPlan();
    // Keeps first when asked, then replaces the plan by the file under the mix lock and reports
    // the load; a file that cannot be read leaves an empty, changed plan under its name. False
    // when the plan was not replaced (the keep failed).
    bool LoadPlanFile(bool keepFirst, const QString& fileName);
    // A file dropped on the window or named on the clipboard: the same questions, the load, then
    // the question about a file that could not be read.
    void OpenPlanFile(const QString& fileName);
    void OpenPlanFromClipboard();

private:
    // Once the save question is answered and the replacement is sure: the keep it asked for,
    // then the renders' question; false ends the command.
    bool mayReplace(bool keepFirst);
    // No balls and no lanes, and so no current ball or lane; under the mix lock.
    void emptyPlan();
    void slideToMasterLoudness();

    const InstructorLinks& m_links;
    PlanKeeper& m_keeper;
    CommandState& m_state;
};
