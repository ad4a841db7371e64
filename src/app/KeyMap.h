// The main window's key map: the point, then the room, then the lanes menu's letter, then one
// table of keys with their exact modifier sets.
#pragma once

#include "controls/MouseInput.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class Arrangement;
class CarrierKeys;
class KeyCommandLink;
class QKeyEvent;
class TGlorinbaxMF;

// Keys are Qt key codes; the numeric pad's divide and multiply carry Qt::KeypadModifier. Rows
// whose work lies outside the window go through the link; without a link they do nothing.
// UI thread only.
class KeyMap {
public:
    KeyMap(TGlorinbaxMF& window, Arrangement& arrangement, CarrierKeys& carrier);

    void SetLink(KeyCommandLink* link) { m_link = link; }

    // False when no step and no row took the key.
    bool KeyDown(int key, ShiftState shift);
    bool KeyUp(int key, ShiftState shift);

    // Set by the rows that finish an Alt combination, so that the window swallows the key
    // rather than let it pass on as a menu character; reading it clears it.
    bool TakeKeyHandled() { return std::exchange(m_keyHandled, false); }

private:
    // The modifier sets a row takes, one bit per set (shift 1, alt 2, ctrl 4).
    using ModifierSets = uint8_t;
    // The row's work; false lets the rows after it try the key.
    using Work = std::function<bool(int key, ShiftState shift)>;
    struct Row {
        std::vector<int> keys;
        ModifierSets sets;
        Work work;
    };

    void addRows();
    void add(std::vector<int> keys, ModifierSets sets, Work work);
    // A row that runs a command by id.
    void command(std::vector<int> keys, ModifierSets sets, int id);
    void closeWindow();
    // The ruler's click at the mouse, as Space with Ctrl gives it.
    void rulerClickAtMouse(ShiftState shift);
    // The room shows the cell at its top left on either axis (none: that axis stays).
    void showAtOrigin(std::optional<int64_t> column, std::optional<int64_t> row);
    void centreOnPoint();
    void pageRoom(bool down, ShiftState shift);
    // The lane at the point's row struck or soloed, as a click in its strike box does.
    void strikeOrSolo(bool solo);
    void zoomHandles(int step);
    void planNameToClipboard(KeyCommandLink& link) const;

    TGlorinbaxMF& m_window;
    Arrangement& m_arrangement;
    CarrierKeys& m_carrier;
    KeyCommandLink* m_link = nullptr;
    std::vector<Row> m_rows;
    bool m_keyHandled = false;
};

// The key a key event stands for in the map: the numeric pad's signs and digits apart from the
// main keyboard's (with Qt::KeypadModifier), and the top row's digits as digits whatever Shift
// makes of them.
int MappedKey(const QKeyEvent& event);
