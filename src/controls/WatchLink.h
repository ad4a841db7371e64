// What the ruler, the room and the slider ask of the watch: its digit painter, its typed input
// and the numbers it shows for the slider.
#pragma once

#include <QString>

class QPainter;

// The time under the mouse as the ruler shows it in the watch.
struct PeekedTime {
    QString minutes;
    QString seconds;
    QString milliseconds;
    bool negative = false;
    bool operator==(const PeekedTime&) const = default;
};

// Whatever draws the watch's digits now; the watch calls it on each line tick and repaint.
class DigitPainter {
public:
    virtual ~DigitPainter() = default;
    virtual void PaintDigits(QPainter& painter) = 0;
};

// The watch implements it (WatchStandIn until it exists). UI thread only.
class WatchLink {
public:
    virtual ~WatchLink() = default;

    // A value is being typed into the watch.
    virtual bool Typing() const = 0;
    // Ends the typing, applying nothing.
    virtual void EndTyping() = 0;

    virtual const DigitPainter* CurrentPainter() const = 0;
    // Makes the painter the watch's current one and repaints the watch.
    virtual void SetPainter(DigitPainter& painter) = 0;
    // Gives the watch back the painter of its chosen mode.
    virtual void RestoreChosenPainter() = 0;
    // Draws given time digits the way the watch draws its own.
    virtual void PaintTimeDigits(QPainter& painter, const PeekedTime& time) = 0;

    // Shows a number in the digit places (the slider's or a lane's value) until the chosen painter
    // returns.
    virtual void ShowNumber(int value, bool negative) = 0;
    virtual bool ShowsNumber() const = 0;
    // The watch redraws its current digits straight on the screen (a drag while not rolling).
    virtual void RepaintDigits() = 0;
};
