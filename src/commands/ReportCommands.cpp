#include "commands/ReportCommands.h"
#include "commands/InfoLine.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "texts/Parlance.h"

namespace {

constexpr int kTextRows = 326;
constexpr int kTextInformationCaption = 332;
constexpr int kTextSelectedRows = 338;

void showInformation(const ReportCommandLinks& links) {
    const DialogState state(links.host);
    const QString text =
        InfoLine(kTextRows, QString::number(links.report.RowCount())) + QStringLiteral("\r\n") +
        InfoLine(kTextSelectedRows, QString::number(links.report.SelectedRowCount()));
    links.dialogs.ShowInformation(Text(kTextInformationCaption), text);
}

} // namespace

void AddReportCommands(CommandTable& report, const ReportCommandLinks& links) {
    ReportLink& window = links.report;
    const struct {
        int id;
        int key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {cmd::kReportCut, Qt::Key_X, Qt::ControlModifier},
        {cmd::kReportCopy, Qt::Key_C, Qt::ControlModifier},
        {cmd::kReportPaste, Qt::Key_V, Qt::ControlModifier},
        {cmd::kReportSelectAll, Qt::Key_A, Qt::ControlModifier},
        {cmd::kReportDelete, Qt::Key_Delete, Qt::NoModifier},
        {cmd::kReportClearAll, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier},
    };
    for (const auto& k : keys)
        report.Add(k.id, [&window, key = k.key, modifiers = k.modifiers] {
            window.ReportKey(key, modifiers);
        });
    report.Add(cmd::kReportHide, [&window] { window.Show(!window.Visible()); });
    report.Add(cmd::kReportInformation, [links] { showInformation(links); });
}
