// A host for the renders a test starts in the program: no report, no title, nothing opened.
#pragma once

#include "audio/RenderHost.h"

class QuietRenderHost : public RenderHost {
public:
    bool ReportsFinish() const override { return false; }
    void RefreshTitle() override {}
    void OpenInEditor(const QString&) override {}
    void OpenWithDefault(const QString&) override {}
};
