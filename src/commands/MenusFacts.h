// What the menus read from the program to decide which items are enabled, ticked or renamed.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The sound of a lane's or a ball's piece.
struct PieceFacts {
    bool hasResource = false; // the piece's effective sound file
    bool inMemory = false;    // that file is held in memory
};

struct LaneFacts {
    PieceFacts piece;
    bool hasBalls = false;
    bool hueGenerated = false;
};

struct BallFacts {
    PieceFacts piece;
    // The ball's piece has a base piece, and one of the two has a sound file.
    bool canListen = false;
    QString lengthText;          // the length formula as typed
    long double lengthValue = 0; // the length it gives, in elements
};

// The program as the menus see it, read once each time a menu opens.
struct MenuState {
    bool busy = false; // the window is in the middle of something: no refresh
    bool planKeptOnce = false;
    bool planChanged = false;
    bool canUndo = false; // the edit history has a step to take back
    bool canRedo = false; // and one to make again
    bool resourcesLoaded = false;
    QString clipboardText;
    bool editorialProgramSet = false;
    bool roomHasBalls = false;
    int laneCount = 0;
    bool anyLaneHueGenerated = false;
    bool lastRenderKnown = false;
    bool rendersRunning = false;
    bool renderTimerRunning = false;
    long double elementsPerStep = 1;
    // The lane at the point's row and the ball at the point.
    std::optional<LaneFacts> lane;
    std::optional<BallFacts> ball;

    // Shown parts of the window.
    bool rulerVisible = false;
    bool laneStripVisible = false;
    bool watchVisible = false;
    bool carrierVisible = false;
    bool sliderVisible = false;
    bool flagsVisible = false;
    bool flagHandlesVisible = false;
    bool peakMetersPresent = false;
    bool laneMetersVisible = false;
    bool menuTriggerVisible = false;
    bool reportVisible = false;
    int reportRows = 0;
    int reportSelectedRows = 0;

    bool loopRange = false;     // the mingler's round trip over the range
    bool followTheLine = false; // the room scrolls with the line
    bool watchPeeksLoudness = false;
    bool watchAllowsOutOfRange = false;
    bool watchTyperHasValue = false;
};

// UI thread only. The menus ask it just before a menu opens.
class MenuFacts {
public:
    virtual ~MenuFacts() = default;
    virtual MenuState Now() const = 0;
    // The lane at a lane position, for the menu of a lane clicked in the lane strip; none when
    // no lane is there.
    virtual std::optional<LaneFacts> LaneAt(int32_t position) const = 0;
};
