// A window stand-in that records what the controls ask of it, and a control that records
// what it is told.
#pragma once

#include "controls/ControlHost.h"
#include "controls/Ctrl.h"

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class FakeHost : public ControlHost {
public:
    const TLayoutRect& LayoutRect() const override { return layout; }
    void CopyToWindow(const QRect& rect) override { copied.push_back(rect); }
    void Relayout() override { ++relayouts; }
    void RelayoutAndRepaint(bool full) override { repaints.push_back(full); }
    void AnimateDim(bool dim) override { dims.push_back(dim); }
    bool FullScreen() const override { return fullScreen; }
    bool MoveAllCursorShown() const override { return moveAllCursor; }

    TLayoutRect layout;
    std::vector<QRect> copied;
    int relayouts = 0;
    std::vector<bool> repaints;
    std::vector<bool> dims;
    bool fullScreen = false;
    bool moveAllCursor = false;
};

// Writes "<name>:<event>" into a shared journal; Resize places it at fixed bounds.
class RecordingControl : public TCtrl {
public:
    RecordingControl(TCtrlList& list, QString name, std::vector<QString>& journal,
                     TRect bounds = {})
        : TCtrl(list), name(std::move(name)), journal(journal), fixedBounds(bounds) {
        BoundsRect = bounds;
        TCtrl::Resize();
    }
    ~RecordingControl() override { note("destroyed"); }

    void Paint() override {
        note("paint");
        TCtrl::Paint();
    }
    void Resize() override {
        note("resize");
        BoundsRect = fixedBounds;
        TCtrl::Resize();
    }
    void Present() override {
        note("present");
        TCtrl::Present();
    }
    void SetVisible(bool value) override {
        note(value ? "shown" : "hidden");
        TCtrl::SetVisible(value);
    }
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override {
        note(QString("down %1,%2").arg(x).arg(y));
        TCtrl::MouseDown(button, x, y, shift);
    }
    void MouseMove(int32_t x, int32_t y) override { note(QString("move %1,%2").arg(x).arg(y)); }
    void MouseUp(int32_t x, int32_t y) override {
        note(QString("up %1,%2").arg(x).arg(y));
        TCtrl::MouseUp(x, y);
    }
    void MouseLeave() override { note("leave"); }

    void note(const QString& event) { journal.push_back(name + ":" + event); }

    QString name;
    std::vector<QString>& journal;
    TRect fixedBounds;
};
