// The line tick: every 20 ms while rolling the watch, the meters and the line follow the mix.
#pragma once

#include <QString>

#include <functional>

class AudioHooks;
class LineAndPoint;
class MixerView;
class QTimer;
class WindowPeers;

// UI thread only; the tick holds the mixer lock while it reads and paints.
class LineTicker {
public:
    struct Parts {
        QTimer& timer;
        AudioHooks& audio;
        MixerView& mixer;
        WindowPeers& peers;
        // Feeds the master meters; false when the mix stream stopped by itself.
        std::function<bool()> updateMasterMeters;
    };
    explicit LineTicker(Parts parts) : m_parts(std::move(parts)) {}

    // The room's line, once the room exists.
    void SetLine(LineAndPoint* line) { m_line = line; }
    // One tick; direct when called without the timer to refresh at once.
    void Run(bool direct);

private:
    // A fault restarts the audio engine once, with the timer stopped while it does; a fault in
    // the tick after that leaves the timer off with a report line.
    void recover(const QString& fault);

    Parts m_parts;
    LineAndPoint* m_line = nullptr;
    bool m_running = false;
    bool m_restartedAfterFault = false;
};
