// Editing, opening, showing and copying the plan's file; the information boxes.
#include "commands/PlanFileCommands.h"

#include "commands/CommandHost.h"
#include "commands/DialogState.h"
#include "commands/InstructorLinks.h"
#include "commands/PlanDialogs.h"
#include "commands/PlanInfo.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <QStandardPaths>

namespace {

constexpr int kTextEditorProgram = 39;
constexpr int kTextLanesCaption = 22;
constexpr int kTextPlanInfoCaption = 63;

const QString kDesktopOpener = QStringLiteral("xdg-open");

} // namespace

QString EditorProgramFor(const QString& named) {
    const QString program = named.trimmed();
    if (program.isEmpty() || QStandardPaths::findExecutable(program).isEmpty())
        return kDesktopOpener;
    return program;
}

bool OpenInTextEditor(PlanDesktop& desktop, const QString& file) {
    const QString program = EditorProgramFor(Text(kTextEditorProgram));
    if (desktop.StartProgram(program, {file}))
        return true;
    Report(program, file, true);
    return false;
}

QString PlanFileCommands::planFile() const {
    const TThePlan& plan = m_links.arrangement.plan;
    return plan.Untitled ? QString() : plan.FileName;
}

void PlanFileCommands::AmendPlanText() {
    const QString file = planFile();
    if (file.isEmpty())
        return;
    OpenInTextEditor(m_links.desktop, file);
}

void PlanFileCommands::showForPlanFile(void (PlanDialogs::*show)(const QString&)) {
    const QString file = planFile();
    if (file.isEmpty())
        return;
    const DialogState state(m_links.host);
    (m_links.dialogs.*show)(file);
}

void PlanFileCommands::OpenPlanWith() {
    showForPlanFile(&PlanDialogs::ShowOpenWith);
}

void PlanFileCommands::ShowPlanInFolder() {
    const QString file = planFile();
    if (!file.isEmpty())
        m_links.desktop.ShowInFolder(file);
}

void PlanFileCommands::CopyPlanPath() {
    const QString file = planFile();
    if (!file.isEmpty())
        m_links.desktop.SetClipboardText(file);
}

void PlanFileCommands::ShowPlanProperties() {
    showForPlanFile(&PlanDialogs::ShowProperties);
}

void PlanFileCommands::ShowPlanInfo() {
    const DialogState state(m_links.host);
    m_links.dialogs.ShowInformation(Text(kTextPlanInfoCaption), PlanInfoText(m_links.arrangement));
}

void PlanFileCommands::ShowLanesInfo() {
    const DialogState state(m_links.host);
    m_links.dialogs.ShowInformation(
        Text(kTextLanesCaption),
        LanesInfoText(m_links.arrangement.lanes.Count(), m_links.host.LaneTextZoom()));
}
