// Saving a changed plan every minute to the data folder, so that a crash loses little.
#pragma once

#include <QString>

#include <functional>

class Arrangement;
class TGenericStopwatch;

// UI thread only.
class AutoSave {
public:
    AutoSave(Arrangement& arrangement, QString dataFolder, const TGenericStopwatch& stopwatch,
             std::function<bool()> applicationActive)
        : m_arrangement(arrangement), m_dataFolder(std::move(dataFolder)), m_stopwatch(stopwatch),
          m_applicationActive(std::move(applicationActive)) {}

    // Saves a changed plan while the program is the active one and the auto-save name (text
    // 319) is not empty, in the plan's own format and without touching its file name; the
    // report says how long it took. True when it saved.
    bool Tick();
    // The same save, whether or not the program is the active one.
    bool SaveNow();
    // Another run owns the automatic save: this one saves beside it under a name of its own and
    // keeps no record, which is the other run's.
    void SaveAsGuest() { m_guest = true; }

private:
    Arrangement& m_arrangement;
    QString m_dataFolder;
    const TGenericStopwatch& m_stopwatch;
    std::function<bool()> m_applicationActive;
    bool m_guest = false;
};
