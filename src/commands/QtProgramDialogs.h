// The program and resource commands' dialogs with Qt.
#pragma once

#include "commands/ProgramCommandLinks.h"

// Modal dialogs over the host's dialog parent. UI thread only.
class QtProgramDialogs : public ProgramDialogs {
public:
    explicit QtProgramDialogs(CommandHost& host) : m_host(host) {}

    void OpenFolder(const QString& folder) override;
    QString AskFolder(const QString& title, const QString& startFolder) override;
    ReplaceAnswer AskReplace(const QString& target) override;
    std::unique_ptr<CopyProgress> ShowCopyProgress(const QString& title) override;

private:
    CommandHost& m_host;
};
