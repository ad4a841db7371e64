// What the commands ask of the main window they run in.
#pragma once

class QWidget;

// The window side implements it. UI thread only.
class CommandHost {
public:
    virtual ~CommandHost() = default;

    // The parent of every dialog a command opens.
    virtual QWidget* DialogParent() = 0;
    // The window's bracket around a modal dialog (the report window steps aside).
    virtual void StepAsideForDialog() = 0;
    virtual void ReturnAfterDialog() = 0;
    // The interior's dialog state: the controls draw themselves inactive.
    virtual void SetControlsDimmed(bool on) = 0;
    // The title from the plan now.
    virtual void RefreshTitle() = 0;
    // Shows the report window, where a failed operation wrote its warning.
    virtual void ShowReport() = 0;
    // Closes the window as the user does (the close question runs).
    virtual void CloseWindow() = 0;
    // After a load or a new plan replaced the plan's content: the lanes, the room and every
    // control are drawn from the plan again, the start-up fade stops, and a carrier at rest shows
    // the paused progress.
    virtual void RefreshAfterLoad() = 0;
    // A new plan: the line goes to position 0 and the carrier settles.
    virtual void SettleCarrier() = 0;
    // The lane strip's text size setting, for the lanes' information.
    virtual int LaneTextZoom() const = 0;
};
