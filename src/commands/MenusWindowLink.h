// What the menus ask of the main window and the program beside their own facts.
#pragma once

class QWidget;

// The window side implements it. UI thread only.
class MenuWindowLink {
public:
    virtual ~MenuWindowLink() = default;

    // The parent of the menus and the widget the window commands act on.
    virtual QWidget& Window() = 0;
    virtual bool FullScreen() const = 0;
    virtual void LeaveFullScreen() = 0;
    // -1 the default device, 0 no sound, k the system's device k.
    virtual void SelectOutputDevice(int device) = 0;
    // The device selected now, to tick its item.
    virtual int SelectedOutputDevice() const = 0;

    // What only the window knows, for the menus' states.
    virtual bool Busy() const = 0;
    virtual bool ReportVisible() const = 0;
    virtual int ReportRowCount() const = 0;
    virtual int ReportSelectedRowCount() const = 0;
    virtual bool EditorialProgramSet() const = 0;
    virtual bool LastRenderKnown() const = 0;
    virtual bool RendersRunning() const = 0;
    virtual bool RenderTimerRunning() const = 0;
};
