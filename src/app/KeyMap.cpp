// The key map.
#include "app/KeyMap.h"

#include "app/CarrierKeys.h"
#include "app/KeyCommandLink.h"
#include "app/MainWindow.h"
#include "commands/CommandIds.h"
#include "commands/RangeCommands.h"
#include "controls/Geometry.h"
#include "controls/RoomKeys.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "model/LaneEdits.h"
#include "texts/Parlance.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr uint8_t bit(bool shift, bool alt, bool ctrl) {
    return static_cast<uint8_t>(1u << ((shift ? 1 : 0) | (alt ? 2 : 0) | (ctrl ? 4 : 0)));
}
constexpr uint8_t kNone = bit(false, false, false);
constexpr uint8_t kShift = bit(true, false, false);
constexpr uint8_t kAlt = bit(false, true, false);
constexpr uint8_t kCtrl = bit(false, false, true);
constexpr uint8_t kShiftAlt = bit(true, true, false);
constexpr uint8_t kShiftCtrl = bit(true, false, true);
constexpr uint8_t kAltCtrl = bit(false, true, true);
constexpr uint8_t kShiftAltCtrl = bit(true, true, true);
constexpr uint8_t kAny = 0xFF;
constexpr uint8_t kWithoutCtrl = kNone | kShift | kAlt | kShiftAlt;

uint8_t setOf(ShiftState shift) {
    return bit(shift.shift, shift.alt, shift.ctrl);
}

const std::vector<int> kPlayKeys{Qt::Key_Space, Qt::Key_MediaTogglePlayPause, Qt::Key_MediaPlay};
const std::vector<int> kEnter{Qt::Key_Return, Qt::Key_Enter};

std::vector<int> keyRange(int first, int last) {
    std::vector<int> keys;
    for (int key = first; key <= last; ++key)
        keys.push_back(key);
    return keys;
}

} // namespace

KeyMap::KeyMap(TGlorinbaxMF& window, Arrangement& arrangement, CarrierKeys& carrier)
    : m_window(window), m_arrangement(arrangement), m_carrier(carrier) {
    addRows();
}

void KeyMap::add(std::vector<int> keys, ModifierSets sets, Work work) {
    m_rows.push_back({std::move(keys), sets, std::move(work)});
}

void KeyMap::command(std::vector<int> keys, ModifierSets sets, int id) {
    add(std::move(keys), sets, [this, id](int, ShiftState) {
        if (m_link)
            m_link->RunCommand(id);
        return true;
    });
}

bool KeyMap::KeyDown(int key, ShiftState shift) {
    TTheInterior& in = m_window.Interior();
    if (auto* room = dynamic_cast<RoomKeys*>(in.Room);
        room && (room->PointKeyDown(key, shift) || room->RoomKeyDown(key, shift)))
        return true;
    // The lanes menu's letter opens it before Alt with that letter means anything else.
    if (shift == ShiftState{false, true, false} && key == LanesMenuAccelerator().unicode()) {
        if (m_link)
            m_link->ShowMenuByLetter(LanesMenuAccelerator());
        m_keyHandled = true;
        return true;
    }
    const uint8_t set = setOf(shift);
    for (const Row& row : m_rows)
        if ((row.sets & set) &&
            std::find(row.keys.begin(), row.keys.end(), key) != row.keys.end() &&
            row.work(key, shift))
            return true;
    return false;
}

bool KeyMap::KeyUp(int key, ShiftState shift) {
    TTheInterior& in = m_window.Interior();
    if (key == Qt::Key_Control) {
        if (TTheSlider* slider = TheSliderOf(in))
            slider->SetFineAdjustment(false);
        return true;
    }
    if (key == Qt::Key_Shift) {
        if (TTheLaneStrip* strip = TheLaneStripOf(in))
            strip->PeekPan(false);
        return true;
    }
    if (key == Qt::Key_H && shift == ShiftState{}) {
        m_window.unsetCursor();
        return true;
    }
    return m_carrier.KeyUp(key);
}

void KeyMap::addRows() {
    const auto link = [this](auto&& work) {
        return [this, work](int, ShiftState) {
            if (m_link)
                work(*m_link);
            return true;
        };
    };
    const auto does = [](auto&& work) {
        return [work](int, ShiftState) {
            work();
            return true;
        };
    };
    const auto handled = [this](auto&& work) {
        return [this, work](int key, ShiftState shift) {
            m_keyHandled = true;
            return work(key, shift);
        };
    };

    // Insert and Delete without Shift went to the room; with Shift they wait for the ball
    // commands, as the copy, cut and paste of balls and lanes do.
    add({Qt::Key_Escape}, kNone, does([this] {
            if (TTheWatch* watch = TheWatchOf(m_window.Interior()); watch && watch->Typing())
                watch->EndTyping();
            else
                closeWindow();
        }));
    add({Qt::Key_Escape}, kShift, does([this] { m_window.showMinimized(); }));
    command({Qt::Key_F1}, kNone, cmd::kSwitchHandout);
    command({Qt::Key_F2}, kNone, cmd::kTakeScreenshot);
    command({Qt::Key_F2}, kAlt, cmd::kKeepPlanAs);
    add({Qt::Key_F4}, kCtrl, does([this] { closeWindow(); }));
    command({Qt::Key_F4}, kNone, cmd::kAmendPlanText);
    add({Qt::Key_F5}, kAltCtrl, link([](KeyCommandLink& l) { l.ChooseLanguage(); }));
    add({Qt::Key_F5}, kShiftCtrl, does([this] {
            m_window.Interior().LoadStyle();
            m_window.RelayoutAndRepaint(false);
        }));
    command({Qt::Key_F5}, kCtrl, cmd::kTypeTempo);
    command({Qt::Key_F6}, kNone, cmd::kKeepPlanAs);
    command({Qt::Key_F6}, kCtrl, cmd::kKeepPlanCopy);
    add({Qt::Key_F7}, kNone, link([](KeyCommandLink& l) { l.SaveSettingsNow(); }));
    add({Qt::Key_F7}, kCtrl, link([](KeyCommandLink& l) { l.OpenSettingsFileInEditor(); }));
    command({Qt::Key_F8}, kCtrl, cmd::kReloadResources);
    command({Qt::Key_F9}, kShiftCtrl, cmd::kCopyPlanPath);
    command({Qt::Key_F9}, kAltCtrl, cmd::kOpenPlanFromClipboard);
    add({Qt::Key_F9}, kShiftAltCtrl, link([this](KeyCommandLink& l) { planNameToClipboard(l); }));
    add({Qt::Key_F10}, kNone, link([](KeyCommandLink& l) { l.ShowMenuByKey(); }));
    add({Qt::Key_F10, Qt::Key_Menu}, kShift,
        link([](KeyCommandLink& l) { l.ShowBallMenuAtPoint(); }));
    add({Qt::Key_F10, Qt::Key_Menu}, kCtrl,
        link([](KeyCommandLink& l) { l.ShowLaneMenuAtPoint(); }));
    add({Qt::Key_F10}, kAlt, does([this] { m_window.ToggleMaximised(); }));
    add({Qt::Key_F10}, kShiftAlt, link([](KeyCommandLink& l) { l.ShowRulerMenuAtLine(); }));
    // The menu key alone is the ball menu, with Alt the ruler's.
    add({Qt::Key_Menu}, kNone, link([](KeyCommandLink& l) { l.ShowBallMenuAtPoint(); }));
    add({Qt::Key_Menu}, kAlt, link([](KeyCommandLink& l) { l.ShowRulerMenuAtLine(); }));
    command({Qt::Key_F11}, kNone, cmd::kSwitchFullScreen);
    command({Qt::Key_F11}, kCtrl, cmd::kShowPlanInFolder);
    command({Qt::Key_F12}, kShift, cmd::kPlayFromBeginning);

    // The carrier's keys: the pad's Past and Future, the roll switch, settle and Pause.
    add({kKeypadDivide, kKeypadMultiply, Qt::Key_MediaStop}, kAny,
        [this](int key, ShiftState shift) { return m_carrier.KeyDown(key, shift); });
    add(kPlayKeys, kNone | kShift,
        [this](int key, ShiftState shift) { return m_carrier.KeyDown(key, shift); });
    add(kPlayKeys, kCtrl, [this](int, ShiftState shift) {
        rulerClickAtMouse(shift);
        return true;
    });
    add(kPlayKeys, kAlt, [this](int, ShiftState) {
        if (m_window.FullScreen() && m_link)
            m_link->ShowMainPopup(false);
        return true;
    });
    add({Qt::Key_Pause}, kNone,
        [this](int key, ShiftState shift) { return m_carrier.KeyDown(key, shift); });
    // Break: a key of its own on few keyboards, Ctrl with Pause on most.
    command({Qt::Key_Cancel}, kAny, cmd::kStopRender);
    command({Qt::Key_Pause}, kCtrl, cmd::kStopRender);
    command({Qt::Key_Backspace}, kNone, cmd::kPlayFromRangeStart);
    add(kEnter, kNone, [this](int key, ShiftState shift) { return m_carrier.KeyDown(key, shift); });
    command(kEnter, kShiftAlt, cmd::kSwitchFullScreen);
    command(kEnter, kCtrl, cmd::kPlayFromPoint);
    // Home, End and Tab went to the point.
    add({Qt::Key_PageUp, Qt::Key_PageDown}, kNone | kShift | kCtrl | kShiftCtrl,
        [this](int key, ShiftState shift) {
            pageRoom(key == Qt::Key_PageDown, shift);
            return true;
        });
    add({Qt::Key_Control}, kAny, does([this] {
            if (TTheSlider* slider = TheSliderOf(m_window.Interior()))
                slider->SetFineAdjustment(true);
        }));
    add({Qt::Key_Shift}, kAny, does([this] {
            if (TTheLaneStrip* strip = TheLaneStripOf(m_window.Interior()))
                strip->PeekPan(true);
        }));

    add(keyRange(Qt::Key_0, Qt::Key_9), kNone, [this](int key, ShiftState) {
        if (TTheWatch* watch = TheWatchOf(m_window.Interior()); watch && watch->Typing())
            watch->Typer().KeyDown(key, Qt::NoModifier);
        else if (key == Qt::Key_0 && m_link)
            m_link->RunCommand(cmd::kPlayFromBeginning);
        return true;
    });
    add({Qt::Key_0}, kShiftAltCtrl, does([this] {
            const TThePoint& point = m_arrangement.room.Point;
            showAtOrigin(point.X, point.Y);
        }));
    add({Qt::Key_0}, kShiftAlt, handled([this](int, ShiftState) {
            showAtOrigin(m_arrangement.room.Point.X, std::nullopt);
            return true;
        }));
    add({Qt::Key_0}, kShiftCtrl,
        does([this] { showAtOrigin(std::nullopt, m_arrangement.room.Point.Y); }));
    add({Qt::Key_0}, kShift, does([this] {
            TTheRoom* room = TheRoomOf(m_window.Interior());
            const long double perStep = m_arrangement.plan.ElementsPerStep();
            if (room && perStep > 0)
                showAtOrigin(std::llround(room->LinePosition().count / perStep), std::nullopt);
        }));
    add({Qt::Key_7}, kAlt, handled([this](int, ShiftState) {
            if (m_link)
                m_link->RunCommand(cmd::kSwitchPeakMeters);
            return true;
        }));
    command({Qt::Key_7}, kAltCtrl, cmd::kSwitchLaneMeters);
    // A menu's letter; without such a menu the rows below may still take the key.
    add(keyRange(Qt::Key_A, Qt::Key_Y), kAlt | kShiftAlt, handled([this](int key, ShiftState) {
            return m_link && m_link->ShowMenuByLetter(QChar(key));
        }));
    command({Qt::Key_C}, kAltCtrl, cmd::kSwitchReport);
    command({Qt::Key_C}, kShiftAltCtrl, cmd::kCopyPlanPath);
    command({Qt::Key_E}, kCtrl, cmd::kPerpetuate);
    command({Qt::Key_E}, kAltCtrl, cmd::kShowProgramInFolder);
    command({Qt::Key_E}, kShift, cmd::kRangeEndAtPoint);
    command({Qt::Key_F}, kNone, cmd::kSwitchFollowLine);
    command({Qt::Key_F}, kAltCtrl, cmd::kSwitchFlags);
    command({Qt::Key_G}, kCtrl, cmd::kGoToTime);
    command({Qt::Key_G}, kShiftCtrl, cmd::kGoToStep);
    command({Qt::Key_G}, kAlt, cmd::kGoToRow);
    add({Qt::Key_G}, kAltCtrl, does([this] { centreOnPoint(); }));
    command({Qt::Key_G}, kShift, cmd::kSetRenderChannels);
    add({Qt::Key_H}, kNone, does([this] { m_window.setCursor(Qt::SizeAllCursor); }));
    command({Qt::Key_J}, kCtrl, cmd::kPlayFromTime);
    command({Qt::Key_J}, kShiftCtrl, cmd::kPlayFromStep);
    command({Qt::Key_L}, kCtrl, cmd::kRangeAroundPoint);
    command({Qt::Key_L}, kAltCtrl, cmd::kSwitchLaneStrip);
    command({Qt::Key_L}, kNone, cmd::kSwitchLoopRange);
    command({Qt::Key_L}, kAlt, cmd::kOpenPlanWith);
    add({Qt::Key_M}, kNone, does([this] { strikeOrSolo(false); }));
    command({Qt::Key_M}, kShiftCtrl, cmd::kReloadBassDLL);
    command({Qt::Key_N}, kCtrl, cmd::kNewPlan);
    command({Qt::Key_N}, kShiftCtrl, cmd::kAddLane);
    command({Qt::Key_O}, kCtrl, cmd::kOpenPlan);
    add({Qt::Key_Q}, kCtrl, does([this] { closeWindow(); }));
    command({Qt::Key_R}, kAltCtrl, cmd::kSwitchRuler);
    command({Qt::Key_R}, kShiftCtrl, cmd::kPerpetuate);
    add({Qt::Key_S}, kNone, does([this] { strikeOrSolo(true); }));
    command({Qt::Key_S}, kCtrl, cmd::kKeepPlan);
    command({Qt::Key_S}, kShiftCtrl, cmd::kKeepPlanAs);
    command({Qt::Key_S}, kShift, cmd::kRangeStartAtPoint);
    command({Qt::Key_S}, kAltCtrl, cmd::kSwitchSlider);
    command({Qt::Key_T}, kAltCtrl, cmd::kSwitchCarrier);
    command({Qt::Key_T}, kCtrl, cmd::kAddLane);
    command({Qt::Key_T}, kNone, cmd::kTypeTempo);
    command({Qt::Key_U}, kCtrl, cmd::kAmendPlanText);
    command({Qt::Key_V}, kShiftAltCtrl, cmd::kOpenPlanFromClipboard);
    command({Qt::Key_Z}, kCtrl, cmd::kUndo);
    command({Qt::Key_Z}, kShiftCtrl, cmd::kRedo);
    command({Qt::Key_Y}, kCtrl, cmd::kRedo);
    add({Qt::Key_W}, kCtrl, does([this] { closeWindow(); }));
    command({Qt::Key_W}, kAltCtrl, cmd::kSwitchWatch);
    add({Qt::Key_Y}, kWithoutCtrl, [this](int, ShiftState shift) {
        if (shift.alt)
            m_keyHandled = true;
        if (m_link)
            m_link->AuditionAtPoint(shift.shift, shift.alt);
        return true;
    });
    // The lane at the point's row goes.
    const auto removeLane = link([](KeyCommandLink& l) { l.RunRoutedCommand(cmd::kRemoveLane); });
    add({Qt::Key_Delete}, kAlt, removeLane);
    add({Qt::Key_Backspace}, kAltCtrl, removeLane);
    add({Qt::Key_D}, kShiftCtrl, removeLane);
    // The keys of the objects at the point that have a command of their own.
    add({Qt::Key_F9}, kAlt, link([](KeyCommandLink& l) { l.PasteSoundFileAtPoint(); }));
    add({Qt::Key_F9}, kShift, link([](KeyCommandLink& l) { l.CopySoundFileNameAtPoint(); }));
    add({Qt::Key_I}, kNone | kCtrl, link([](KeyCommandLink& l) { l.ChooseSoundFileAtPoint(); }));
    add({Qt::Key_O}, kShiftCtrl, link([](KeyCommandLink& l) { l.ChooseSoundFileAtPoint(); }));
    // Balls from the clipboard at the point.
    command({Qt::Key_Insert}, kShift, cmd::kPasteBalls);
    command({Qt::Key_V}, kCtrl, cmd::kPasteBalls);
    command({Qt::Key_V}, kAlt, cmd::kPasteBallsKeepingColumns);
    // The ball at the point, and the lane at its row: nothing without one.
    const auto routed = [&link](int id) {
        return link([id](KeyCommandLink& l) { l.RunRoutedCommand(id); });
    };
    add({Qt::Key_C}, kCtrl, routed(cmd::kCopyBall));
    add({Qt::Key_X}, kCtrl, routed(cmd::kCutBall));
    add({Qt::Key_Delete}, kShift, routed(cmd::kCutBall));
    add({Qt::Key_C}, kShiftCtrl, routed(cmd::kCopyLane));
    add({Qt::Key_V}, kShiftCtrl, routed(cmd::kPasteLane));
    command({Qt::Key_Semicolon}, kCtrl, cmd::kSwitchFlags);
    // Shift turns the comma and the full stop into their signs on most layouts.
    add({Qt::Key_Comma, Qt::Key_Less}, kShiftCtrl, does([this] { zoomHandles(-1); }));
    command({Qt::Key_Period}, kNone, cmd::kGoToStep);
    add({Qt::Key_Period, Qt::Key_Greater}, kShiftCtrl, does([this] { zoomHandles(+1); }));
    add({Qt::Key_BracketLeft}, kAltCtrl, link([](KeyCommandLink& l) { l.StepLanguage(-1); }));
    add({Qt::Key_BracketRight}, kAltCtrl, link([](KeyCommandLink& l) { l.StepLanguage(+1); }));
    add({Qt::Key_Apostrophe}, kCtrl, does([this] { centreOnPoint(); }));

    // The watch's, the ruler's and the style menu's keys, the typed command number, and the
    // texts for translators.
    add({Qt::Key_P}, kShiftAltCtrl,
        link([](KeyCommandLink& l) { l.RunRoutedCommand(cmd::kSwitchWatchPeeking); }));
    add({Qt::Key_I}, kAltCtrl, link([](KeyCommandLink& l) { l.RunCommandByNumber(); }));
    add({Qt::Key_L}, kShift,
        does([this] { MoveNearerRangeEndToPoint(m_window.Interior(), m_arrangement); }));
    add({Qt::Key_O}, kShiftAlt, link([](KeyCommandLink& l) { l.SelectNextStyle(); }));
    add({Qt::Key_N}, kShiftAltCtrl, link([](KeyCommandLink& l) {
            QString texts;
            for (int n = 1; n <= parlance::kTextCount; ++n)
                texts += Text(n) + QStringLiteral("\r\n");
            l.CopyToClipboard(texts);
        }));
    add({Qt::Key_L}, kShiftAltCtrl, link([](KeyCommandLink& l) {
            QString captions;
            for (int id = parlance::kFirstCommandId; id <= parlance::kLastCommandId; ++id)
                captions += CommandCaption(id) + QStringLiteral("\r\n");
            l.CopyToClipboard(captions);
        }));
}

void KeyMap::closeWindow() {
    m_window.close();
}

void KeyMap::rulerClickAtMouse(ShiftState shift) {
    if (auto* ruler = dynamic_cast<TTheRuler*>(m_window.Interior().Ruler))
        ruler->OnMouseDown(m_window.mapFromGlobal(QCursor::pos()).x(), shift);
    m_window.LineTick(true);
}

void KeyMap::showAtOrigin(std::optional<int64_t> column, std::optional<int64_t> row) {
    TTheRoom* room = TheRoomOf(m_window.Interior());
    if (!room)
        return;
    // Cell X shows at column X + OffsetX.
    const TRoomState& state = m_arrangement.room;
    room->SetOffsets(column ? ClampToInt32(-*column) : state.OffsetX,
                     row ? ClampToInt32(-*row) : state.OffsetY);
}

void KeyMap::centreOnPoint() {
    if (TTheRoom* room = TheRoomOf(m_window.Interior()))
        room->CentreOnCell(m_arrangement.room.Point.X, m_arrangement.room.Point.Y);
}

void KeyMap::pageRoom(bool down, ShiftState shift) {
    TTheRoom* room = TheRoomOf(m_window.Interior());
    if (!room)
        return;
    // Shift pages the columns, Ctrl by half a view; the point stays where it is.
    const int32_t size = (shift.shift ? room->Width : room->Height) / TTheRoom::kCellSize;
    const int64_t page = std::max(1, shift.ctrl ? size / 2 : size);
    const TRoomState& state = m_arrangement.room;
    const int64_t by = down ? -page : page;
    if (shift.shift)
        room->SetOffsetX(ClampToInt32(int64_t{state.OffsetX} + by));
    else
        room->SetOffsetY(ClampToInt32(int64_t{state.OffsetY} + by));
}

void KeyMap::strikeOrSolo(bool solo) {
    TLane* lane = m_arrangement.lanes.AtPosition(m_arrangement.room.Point.Y);
    if (!lane)
        return;
    if (solo)
        SoloLane(m_arrangement, *lane);
    else
        ToggleLaneStruck(m_arrangement, *lane);
    if (TTheLaneStrip* strip = TheLaneStripOf(m_window.Interior()); strip && strip->Visible)
        strip->RepaintWhole();
}

void KeyMap::zoomHandles(int step) {
    if (TTheLaneStrip* strip = TheLaneStripOf(m_window.Interior()))
        strip->ZoomHandles(step);
}

void KeyMap::planNameToClipboard(KeyCommandLink& link) const {
    // An untitled plan has no file: the name it shows is no file's.
    const TThePlan& plan = m_arrangement.plan;
    if (!plan.Untitled && !plan.FileName.isEmpty())
        link.CopyToClipboard(QFileInfo(plan.FileName).fileName());
}

int MappedKey(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // The pad's signs and digits are keys of their own; its Enter and arrows are not.
    const bool padOwn = key == Qt::Key_Slash || key == Qt::Key_Asterisk || key == Qt::Key_Period ||
                        key == Qt::Key_Comma || (key >= Qt::Key_0 && key <= Qt::Key_9);
    if (padOwn && modifiers.testFlag(Qt::KeypadModifier))
        return key | static_cast<int>(Qt::KeypadModifier);
    if (!modifiers.testFlag(Qt::ShiftModifier) || modifiers.testFlag(Qt::KeypadModifier))
        return key;
    // The top row by its place where the platform gives key codes of the physical keys (X11
    // and Wayland: 10 for 1 up to 19 for 0), else by the signs a US layout puts there.
    static const QString platform = QGuiApplication::platformName();
    const quint32 code = event.nativeScanCode();
    if ((platform == u"xcb" || platform.startsWith(u"wayland")) && code >= 10 && code <= 19)
        return code == 19 ? Qt::Key_0 : Qt::Key_1 + static_cast<int>(code - 10);
    static const QString kUsShifted = QStringLiteral(")!@#$%^&*(");
    const qsizetype digit = key < 0x80 ? kUsShifted.indexOf(QChar(key)) : -1;
    return digit >= 0 ? Qt::Key_0 + static_cast<int>(digit) : key;
}
