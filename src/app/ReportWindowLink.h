// The report commands' way to the report window, which is a stand-in until the window exists.
#pragma once

#include "app/InteriorPeers.h"
#include "commands/ReportCommands.h"

// The stand-in keeps no rows, so its editing keys find nothing to act on. UI thread only.
class ReportWindowLink final : public ReportLink {
public:
    explicit ReportWindowLink(InteriorPeers& peers) : m_peers(peers) {}

    bool Visible() const override { return m_peers.ReportVisible(); }
    void Show(bool visible) override { m_peers.ShowReport(visible); }
    int RowCount() const override { return 0; }
    int SelectedRowCount() const override { return 0; }
    void ReportKey(int, Qt::KeyboardModifiers) override {}

private:
    InteriorPeers& m_peers;
};
