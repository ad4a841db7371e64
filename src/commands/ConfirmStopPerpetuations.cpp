// The stop-the-renders question and what its answer does.
#include "commands/ConfirmStopPerpetuations.h"

#include "commands/CommandHost.h"
#include "commands/DialogState.h"
#include "model/MixerView.h"
#include "texts/Parlance.h"

#include <QMessageBox>

namespace {

constexpr int kTextPleaseConfirm = 101;
constexpr int kTextStopRendering = 369;

} // namespace

bool StopRendersBox::AskStopRenders() {
    const DialogState dialog(m_host);
    QMessageBox box(QMessageBox::Warning, Text(kTextPleaseConfirm), Text(kTextStopRendering),
                    QMessageBox::Yes | QMessageBox::No, m_host.DialogParent());
    return box.exec() == QMessageBox::Yes;
}

bool ConfirmStopPerpetuations(MixerView& renders, StopRendersQuestion& question,
                              CommandHost& host) {
    if (renders.RenderCount() == 0)
        return true;
    if (!question.AskStopRenders())
        return false;
    for (int i = renders.RenderCount() - 1; i >= 0; --i)
        renders.RemoveRender(i);
    host.RefreshTitle();
    return true;
}
