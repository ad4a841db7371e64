// The choice of one running render to stop.
#pragma once

#include <QStringList>

class CommandHost;

// UI thread only.
class RenderStopMenu {
public:
    virtual ~RenderStopMenu() = default;
    // The index of the chosen file in `files`; -1 when the choice was dismissed.
    virtual int ChooseRender(const QStringList& files) = 0;
};

// A pop-up at the mouse listing the files.
class QtRenderStopMenu final : public RenderStopMenu {
public:
    explicit QtRenderStopMenu(CommandHost& host) : m_host(host) {}
    int ChooseRender(const QStringList& files) override;

private:
    CommandHost& m_host;
};
