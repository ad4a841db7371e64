// The task-bar progress on a Linux desktop: the launcher-entry signal on the session bus, which
// docks and panels show on the program's entry.
#pragma once

#include "app/TaskbarProgress.h"

#include <QString>
#include <QVariantMap>

#include <memory>

// UI thread only.
class LauncherEntryProgress final : public TaskbarProgress {
public:
    // `appUri`: the entry's "application://<desktop file>" name.
    explicit LauncherEntryProgress(QString appUri) : m_appUri(std::move(appUri)) {}

    void SetState(ProgressState state) override;
    void SetValue(int64_t done, int64_t total) override;

    // What one update says: the bar shown only in a state with a value, at done / total, and the
    // entry asking for attention in the error state.
    static QVariantMap Properties(ProgressState state, double fraction);

private:
    void send() const;

    const QString m_appUri;
    ProgressState m_state = ProgressState::None;
    double m_fraction = 0;
};

// The display when a session bus is there to carry it, else none.
std::unique_ptr<TaskbarProgress> MakeDesktopProgress();
