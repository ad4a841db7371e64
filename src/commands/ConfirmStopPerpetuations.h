// Asking whether the renders still running may stop, before a command that would cut them off
// (a new output rate, a reload of the audio library, a purge).
#pragma once

class CommandHost;
class MixerView;

// The question; the program's is a warning box, tests answer with a fake. UI thread only.
class StopRendersQuestion {
public:
    virtual ~StopRendersQuestion() = default;
    // True for Yes.
    virtual bool AskStopRenders() = 0;
};

// A Yes/No warning box (caption text 101, message text 369) inside the window's dialog bracket
// and the controls' dialog state.
class StopRendersBox final : public StopRendersQuestion {
public:
    explicit StopRendersBox(CommandHost& host) : m_host(host) {}
    bool AskStopRenders() override;

private:
    CommandHost& m_host;
};

// Whether the caller may go on: true at once when no render runs. Otherwise the question; Yes
// stops every render, the last first, and the title drops their progress; No stops nothing.
bool ConfirmStopPerpetuations(MixerView& renders, StopRendersQuestion& question, CommandHost& host);
