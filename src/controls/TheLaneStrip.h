// The lane strip: the column left of the room with one row per lane, where lanes are struck,
// soloed, given their loudness or pan with the slider, and added for a sound file.
#pragma once

#include "controls/Ctrl.h"
#include "controls/LaneRowPainter.h"
#include "controls/TintedPictures.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class Arrangement;
class MenuLink;
class MixerView;
class SoundFileLink;
class TLane;
class TTheSlider;
class WatchLink;
struct ControlMakers;
struct LaneStripState;
struct ResourceFolders;

// Everything referenced outlives the strip.
struct LaneStripLinks {
    Arrangement& arrangement;
    MixerView& mixer;
    WatchLink& watch;
    SoundFileLink& soundFiles;
    MenuLink& menus;
};

// Sets the maker of the lane strip.
void AddLaneStrip(ControlMakers& makers, const LaneStripLinks& links);

// The room lays the strip out (120 pixels left of it); row r of the strip shows the lane whose
// position + OffsetY is r, as the room's row r does. The strip draws straight into the
// composition. Lanes are remembered by position, so a plan that changes under a hovered or
// edited lane leaves nothing dangling. UI thread only.
class TTheLaneStrip : public TCtrl {
public:
    TTheLaneStrip(TCtrlList& list, const LaneStripLinks& links);

    static constexpr int32_t kWidth = 120;
    static constexpr int32_t kRowHeight = 20;
    static constexpr int32_t kRightLineX = 119;
    // The point sizes the names' zoom keeps to.
    static constexpr int32_t kSmallestNameSize = 1;
    static constexpr int32_t kLargestNameSize = 72;

    Arrangement& Model() const { return m_links.arrangement; }
    // The lane at a pixel row of the strip, or none.
    TLane* LaneAtY(int32_t y) const;
    // The lane whose value the slider shows while the mouse is over the strip, or none.
    TLane* HoveredLane() const;
    // The lane the slider edits now, or none; its pan rather than its loudness when EditingPan.
    TLane* EditingLane() const;
    bool EditingPan() const { return m_editingPan; }

    // Strikes or opens a lane; the mixer schedules its balls again.
    void SetStruck(TLane& lane, bool struck);
    // A new slider position for the lane being edited: its loudness or pan, applied at once.
    void SliderChanged(int position);
    // A hue from the slider (none: an automatic one); the lane is drawn in it at once.
    void HueFromSlider(TLane& lane, std::optional<int> position);
    // Adds a lane for the file at a position; false when the file could not be decoded.
    bool AddLaneWithSoundFile(int32_t position, const QString& file);
    // The lane sounds the file from now on (change code 252); false, with nothing changed,
    // when the file could not be decoded.
    bool SetLaneSoundFile(TLane& lane, const QString& file);
    // The strip and the lane's row in the room again, after the lane changed.
    void RefreshLane(const TLane& lane);
    // The name's size grows or shrinks by the step; the strip is drawn again when shown.
    void ZoomHandles(int32_t step);
    // Shift held or released: the hovered lane shows its pan rather than its loudness, as a
    // press with Shift would edit it.
    void PeekPan(bool pan);
    // The meters of the lanes in view, read from what sounds in them now.
    void UpdateMeters();

    // The slider's drag for a lane ends where it is, and the slider is the master's again
    // (typing into the watch takes the slider over).
    void EndEditing();

    // Paints and presents the whole strip.
    void RepaintWhole();

    // TCtrl
    void Paint() override;
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    void MouseMove(int32_t x, int32_t y) override;
    void MouseUp(int32_t x, int32_t y) override;
    void MouseLeave() override;

private:
    LaneStripState& state() const;
    LaneRowLook look() const;
    // The lane's strike-box picture tinted with its hue; empty without a style picture.
    QImage lanePicture(const TLane& lane);
    void paintRows(QPainter& painter, const LaneRowLook& look);
    // Strike and solo; a press on a row without a lane asks for a sound file.
    void strikeBoxPressed(MouseButton button, int32_t y);
    // The lane's row in the room again, since its balls are drawn in its hue.
    void repaintRoomRow(const TLane& lane);
    // Where sound files not found under their names are looked for.
    ResourceFolders folders() const;
    TTheSlider* slider() const;
    // The slider takes the lane's value and goes on dragging from x; its changes are the lane's
    // until the button is released. Not while editing already or while the watch is typed into.
    void beginEditing(TLane& lane, bool pan, int32_t x);
    // The slider shows the hovered lane's loudness (in the watch too, when it peeks at lanes),
    // or the master loudness again.
    void peekHovered();
    std::optional<int32_t> positionOf(const TLane* lane) const;
    // The menu of the lane at that row, or the strip's own for a row without one.
    void openMenu(int32_t x, int32_t y);

    LaneStripLinks m_links;
    TintedPictures m_lanePictures;
    std::vector<qint64> m_lanePictureKeys;
    std::optional<int32_t> m_hovered; // lane positions
    std::optional<int32_t> m_editing;
    bool m_editingPan = false;
    bool m_peekPan = false;
    std::function<void()> m_sliderOnChange; // the slider's own, while a lane borrows it
    // A right press beside the strike boxes that did not end a typed value: its release opens a
    // menu.
    bool m_menuPressed = false;
    // The meters' last levels by lane position, so that only changed meters are drawn.
    std::unordered_map<int32_t, uint32_t> m_levels;
};

// The lane strip of the interior when it is ours.
TTheLaneStrip* TheLaneStripOf(const TTheInterior& interior);
