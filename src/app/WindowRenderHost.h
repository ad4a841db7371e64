// What a render started from the window asks of it.
#pragma once

#include "audio/RenderHost.h"

#include <functional>

class PlanDesktop;
class TGlorinbaxMF;

// UI thread only. Outlives the renders: they may end while the program shuts down.
class WindowRenderHost final : public RenderHost {
public:
    // `window`: the window while it is open and not closing, else none. `editorialProgram`: the
    // editing program as set now, empty when none is.
    WindowRenderHost(std::function<TGlorinbaxMF*()> window, PlanDesktop& desktop,
                     std::function<QString()> editorialProgram)
        : m_window(std::move(window)), m_desktop(desktop),
          m_editorialProgram(std::move(editorialProgram)) {}

    bool ReportsFinish() const override { return m_window() != nullptr; }
    void RefreshTitle() override;
    // Nothing without an editing program.
    void OpenInEditor(const QString& fileName) override;
    void OpenWithDefault(const QString& fileName) override;

private:
    const std::function<TGlorinbaxMF*()> m_window;
    PlanDesktop& m_desktop;
    const std::function<QString()> m_editorialProgram;
};
