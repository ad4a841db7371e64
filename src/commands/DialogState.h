// The bracket around every dialog a command opens.
#pragma once

#include "commands/CommandHost.h"

// The window steps aside and, with dim, the controls draw themselves inactive; both are undone
// in reverse order when the bracket ends, also on cancel. UI thread.
class DialogState {
public:
    explicit DialogState(CommandHost& host, bool dim = true) : m_host(host), m_dim(dim) {
        m_host.StepAsideForDialog();
        if (m_dim)
            m_host.SetControlsDimmed(true);
    }
    ~DialogState() {
        if (m_dim)
            m_host.SetControlsDimmed(false);
        m_host.ReturnAfterDialog();
    }
    DialogState(const DialogState&) = delete;
    DialogState& operator=(const DialogState&) = delete;

private:
    CommandHost& m_host;
    bool m_dim;
};
