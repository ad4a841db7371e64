// The plan commands' dialogs and desktop services with Qt.
#pragma once

#include "commands/PlanDialogs.h"

class CommandHost;

// Modal dialogs over the host's dialog parent. UI thread only.
class QtPlanDialogs : public PlanDialogs {
public:
    QtPlanDialogs(CommandHost& host, PlanDesktop& desktop) : m_host(host), m_desktop(desktop) {}

    bool AskSaveFile(const FileDialogSpec& spec, QString& fileName, int& filterIndex) override;
    QString AskOpenFile(const FileDialogSpec& spec) override;
    void ShowInformation(const QString& caption, const QString& text) override;
    // Our own small choice of a program, started with the file.
    void ShowOpenWith(const QString& file) override;
    // Our own small box of the file's facts.
    void ShowProperties(const QString& file) override;

private:
    CommandHost& m_host;
    PlanDesktop& m_desktop;
};

// The clipboard, QProcess and the file manager over D-Bus. UI thread only.
class QtPlanDesktop : public PlanDesktop {
public:
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool OpenWithDefaultProgram(const QString& file) override;
    // The file manager's ShowItems where one listens, else the folder opened.
    void ShowInFolder(const QString& file) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() const override;
};

// A command's caption as a dialog's title or a button: without its accelerator mark and ellipsis.
QString DialogCaption(int commandId);

// The facts the properties box shows, one "label: value" per line.
QString FileFactsText(const QString& file);
