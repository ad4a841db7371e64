// The report commands' way to the report window.
#pragma once

#include "app/InteriorPeers.h"
#include "commands/ReportCommands.h"
#include "texts/windows/TheReport.h"

// Without a report window there are no rows for its keys to act on. UI thread only.
class ReportWindowLink final : public ReportLink {
public:
    explicit ReportWindowLink(InteriorPeers& peers) : m_peers(peers) {}

    bool Visible() const override { return m_peers.ReportVisible(); }
    void Show(bool visible) override { m_peers.ShowReport(visible); }
    int RowCount() const override { return m_peers.ReportRowCount(); }
    int SelectedRowCount() const override { return m_peers.ReportSelectedRowCount(); }
    void ReportKey(int key, Qt::KeyboardModifiers modifiers) override {
        if (TTheReport* report = m_peers.Report().Window())
            report->ReportKey(key, modifiers);
    }

private:
    InteriorPeers& m_peers;
};
