// The lane strip as a control: its painting, the mouse, and the lane edits it starts.
#include "controls/TheLaneStrip.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/Interior.h"
#include "controls/LaneMeters.h"
#include "controls/MenuLink.h"
#include "controls/SoundFileLink.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"
#include "controls/WatchLink.h"
#include "model/Arrangement.h"
#include "model/LaneEdits.h"
#include "model/MixerView.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {

constexpr uint32_t kStripGrey = RgbColour(223, 223, 223);
constexpr uint32_t kSeparatorGrey = RgbColour(245, 245, 245);
constexpr uint32_t kLineGrey = RgbColour(192, 192, 192);
// On screens of fewer pixels per inch the name sits lower in its row.
constexpr double kFineScreenDpi = 120;
constexpr int kCoarseScreenTextOffset = 3;

} // namespace

void AddLaneStrip(ControlMakers& makers, const LaneStripLinks& links) {
    makers.lanes = [links](TCtrlList& list) -> TCtrl& { return list.Create<TTheLaneStrip>(links); };
}

TTheLaneStrip* TheLaneStripOf(const TTheInterior& interior) {
    return dynamic_cast<TTheLaneStrip*>(interior.Lanes);
}

TTheLaneStrip::TTheLaneStrip(TCtrlList& list, const LaneStripLinks& links)
    : TCtrl(list), m_links(links) {}

LaneStripState& TTheLaneStrip::state() const {
    return List.Interior->LaneStripStates;
}

TLane* TTheLaneStrip::LaneAtY(int32_t y) const {
    if (y < BoundsRect.Top || y >= BoundsRect.Bottom)
        return nullptr;
    return Model().lanes.AtRow((y - BoundsRect.Top) / kRowHeight);
}

std::optional<int32_t> TTheLaneStrip::positionOf(const TLane* lane) const {
    return lane ? std::optional<int32_t>(lane->Position()) : std::nullopt;
}

TLane* TTheLaneStrip::HoveredLane() const {
    return m_hovered ? Model().lanes.AtPosition(*m_hovered) : nullptr;
}

TLane* TTheLaneStrip::EditingLane() const {
    return m_editing ? Model().lanes.AtPosition(*m_editing) : nullptr;
}

LaneRowLook TTheLaneStrip::look() const {
    const TTheInterior& in = *List.Interior;
    QFont font(QStringLiteral("Calibri"));
    font.setBold(true);
    font.setPointSize(static_cast<int>(
        std::clamp<int64_t>(int64_t{in.Style().Lanes.FontSize} + state().handlesZoom,
                            kSmallestNameSize, kLargestNameSize)));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool fine = screen && screen->logicalDotsPerInch() >= kFineScreenDpi;
    return {font, fine ? 0 : kCoarseScreenTextOffset,
            in.Bitmaps().Image(QStringLiteral("Lane_Strike_Gray.bmp")), in.Style().Lanes};
}

QImage TTheLaneStrip::lanePicture(const TLane& lane) {
    const NamedImages& bitmaps = List.Interior->Bitmaps();
    const QImage& picture = bitmaps.Image(QStringLiteral("Lane_Ball.bmp"));
    const QImage& mask = bitmaps.Image(QStringLiteral("Lane_Ball_Mask.bmp"));
    const std::vector<qint64> keys{picture.cacheKey(), mask.cacheKey()};
    if (keys != m_lanePictureKeys) {
        m_lanePictureKeys = keys;
        m_lanePictures.SetSources({MaskedPicture(picture, mask)});
    }
    return m_lanePictures.For(lane.Piece().Hue(), 0);
}

void TTheLaneStrip::paintRows(QPainter& painter, const LaneRowLook& look) {
    const QImage& strip = List.Interior->Bitmaps().Image(QStringLiteral("Lane.bmp"));
    const int left = BoundsRect.Left;
    if (strip.isNull())
        painter.fillRect(BoundsRect.ToQRect(), ToQColor(kStripGrey));
    for (int row = 0; row <= Height / kRowHeight; ++row) {
        const int top = BoundsRect.Top + row * kRowHeight;
        if (!strip.isNull())
            painter.drawImage(left, top, strip);
        const TLane* lane = Model().lanes.AtRow(row);
        if (!lane) {
            if (strip.isNull())
                painter.fillRect(left, top + kRowHeight - 1, Width, 1, ToQColor(kSeparatorGrey));
            continue;
        }
        std::optional<uint32_t> level;
        if (state().metersVisible) {
            const auto found = m_levels.find(lane->Position());
            level = found == m_levels.end() ? 0 : found->second;
        }
        PaintLaneRow(painter, left, top, Width, *lane, lanePicture(*lane), look, level);
    }
    if (strip.isNull()) {
        const QColor line = ToQColor(kLineGrey);
        painter.fillRect(left + kRightLineX, BoundsRect.Top, 1, Height, line);
        painter.fillRect(left + kStrikeBoxWidth - 1, BoundsRect.Top, 1, Height, line);
    }
}

void TTheLaneStrip::Paint() {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (!Visible || composition.isNull())
        return;
    // Meters show what sounds; once nothing rolls they are empty.
    if (!Model().audio.Playing())
        m_levels.clear();
    QPainter painter(&composition);
    painter.setClipRect(BoundsRect.ToQRect());
    paintRows(painter, look());
    if (Dimmed)
        List.Surfaces.DimBlend(painter, BoundsRect.ToQRect());
}

void TTheLaneStrip::RepaintWhole() {
    Paint();
    Present();
}

void TTheLaneStrip::UpdateMeters() {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (!Visible || !state().metersVisible || composition.isNull())
        return;
    QPainter painter(&composition);
    painter.setClipRect(BoundsRect.ToQRect());
    const LanesStyle& style = List.Interior->Style().Lanes;
    for (int row = 0; row <= Height / kRowHeight; ++row) {
        const TLane* lane = Model().lanes.AtRow(row);
        if (!lane)
            continue;
        const uint32_t level = m_links.mixer.LaneLevel(*lane);
        auto [entry, made] = m_levels.try_emplace(lane->Position(), level);
        if (!made && entry->second == level)
            continue;
        entry->second = level;
        const QRect bar = LaneMeterRect(BoundsRect.Left, BoundsRect.Top + row * kRowHeight);
        PaintLaneMeter(painter, bar, level, lane->Colour(), style);
        if (Dimmed)
            List.Surfaces.DimBlend(painter, bar);
        List.Host.CopyToWindow(bar & BoundsRect.ToQRect());
    }
}

void TTheLaneStrip::repaintRoomRow(const TLane& lane) {
    if (TTheRoom* room = TheRoomOf(*List.Interior))
        room->RepaintRow(lane.Position(), nullptr);
}

void TTheLaneStrip::SetStruck(TLane& lane, bool struck) {
    SetLaneStruck(Model(), lane, struck);
    RepaintWhole();
}

void TTheLaneStrip::SliderChanged(int position) {
    TLane* lane = EditingLane();
    if (!lane)
        return;
    if (m_editingPan)
        SetLanePanFromSlider(Model(), *lane, position);
    else
        SetLaneLoudnessFromSlider(Model(), *lane, position);
}

void TTheLaneStrip::HueFromSlider(TLane& lane, std::optional<int> position) {
    SetLaneHueFromSlider(Model(), lane, position);
    RepaintWhole();
    repaintRoomRow(lane);
}

ResourceFolders TTheLaneStrip::folders() const {
    return PlanResourceFolders(Model().plan, m_links.soundFiles.DefaultResourcesFolder());
}

void TTheLaneStrip::RefreshLane(const TLane& lane) {
    RepaintWhole();
    repaintRoomRow(lane);
}

bool TTheLaneStrip::AddLaneWithSoundFile(int32_t position, const QString& file) {
    TLane* lane = ::AddLaneWithSoundFile(Model(), position, file, folders());
    if (!lane)
        return false;
    Model().plan.SetModified(kChangeLaneAdded, true);
    RefreshLane(*lane);
    return true;
}

bool TTheLaneStrip::SetLaneSoundFile(TLane& lane, const QString& file) {
    TRes* resource =
        Model().resources.FindOrAddSound(QFileInfo(file).absoluteFilePath(), folders());
    if (!resource)
        return false;
    SetLaneResource(Model(), lane, *resource);
    Model().plan.SetModified(kChangeLaneAdded, true);
    RefreshLane(lane);
    return true;
}

void TTheLaneStrip::ZoomHandles(int32_t step) {
    // Held to the sizes drawn, so that steps beyond them are not owed back.
    const int64_t styleSize = List.Interior->Style().Lanes.FontSize;
    int32_t& zoom = state().handlesZoom;
    zoom = static_cast<int32_t>(std::clamp<int64_t>(
        int64_t{zoom} + step, kSmallestNameSize - styleSize, kLargestNameSize - styleSize));
    if (Visible)
        RepaintWhole();
}

void TTheLaneStrip::strikeBoxPressed(MouseButton button, int32_t y) {
    if (TLane* lane = LaneAtY(y)) {
        if (button == MouseButton::Left)
            ToggleLaneStruck(Model(), *lane);
        else if (button == MouseButton::Right)
            SoloLane(Model(), *lane);
        else
            return;
        RepaintWhole();
        return;
    }
    if (button != MouseButton::Left || y < BoundsRect.Top || y >= BoundsRect.Bottom)
        return;
    const int32_t position = Model().lanes.RowAtPixel(y, BoundsRect.Top);
    // The dialog takes the button's release: the strip lets the mouse go first.
    TCtrl::MouseUp(BoundsRect.Left, y);
    const QString file = m_links.soundFiles.ChooseSoundFile({});
    if (!file.isEmpty())
        AddLaneWithSoundFile(position, file);
}

TTheSlider* TTheLaneStrip::slider() const {
    return TheSliderOf(*List.Interior);
}

void TTheLaneStrip::peekHovered() {
    TTheSlider* s = slider();
    if (!s)
        return;
    const TLane* lane = HoveredLane();
    if (!lane) {
        s->SetPeekedLane(std::nullopt);
        s->EndPeek();
        return;
    }
    s->SetPeekedLane(TTheSlider::PeekedLane{
        m_peekPan ? PanSliderPosition(*lane) : LoudnessSliderPosition(*lane), m_peekPan});
    if (List.Interior->WatchStates.peekLanesLoudness && !m_links.watch.Typing())
        s->ShowValueInWatch();
}

void TTheLaneStrip::beginEditing(TLane& lane, bool pan, int32_t x) {
    // A second press without a release would save our own handler as the slider's; a typed
    // value holds the slider.
    if (m_editing || m_links.watch.Typing())
        return;
    m_editing = lane.Position();
    m_hovered = m_editing;
    m_editingPan = pan;
    TTheSlider* s = slider();
    if (!s)
        return;
    s->SetPeekedLane(
        TTheSlider::PeekedLane{pan ? PanSliderPosition(lane) : LoudnessSliderPosition(lane), pan});
    m_sliderOnChange = s->OnChange;
    s->OnChange = [this, s] { SliderChanged(s->Position()); };
    s->BeginDrag(x);
    s->ShowValueInWatch();
}

void TTheLaneStrip::EndEditing() {
    if (!m_editing)
        return;
    m_editing.reset();
    if (TTheSlider* s = slider()) {
        s->EndDrag();
        s->OnChange = std::move(m_sliderOnChange);
        m_sliderOnChange = nullptr;
    }
}

void TTheLaneStrip::PeekPan(bool pan) {
    if (pan == m_peekPan)
        return;
    m_peekPan = pan;
    if (!m_editing && m_hovered)
        peekHovered();
}

void TTheLaneStrip::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    m_menuPressed = false;
    // The strike box's right button solos; a menu over that would hide what it did.
    if (x < BoundsRect.Left + kStrikeBoxWidth) {
        strikeBoxPressed(button, y);
        return;
    }
    if (m_links.watch.Typing()) {
        m_links.watch.EndTyping();
        return;
    }
    m_menuPressed = button == MouseButton::Right;
    if (button != MouseButton::Left)
        return;
    // A row without a lane has no value to edit.
    if (TLane* lane = LaneAtY(y))
        beginEditing(*lane, shift.shift, x);
}

void TTheLaneStrip::MouseMove(int32_t x, int32_t y) {
    if (m_editing) {
        if (TTheSlider* s = slider(); s && s->Dragging())
            s->MouseMove(x, y);
        return;
    }
    const std::optional<int32_t> hovered = positionOf(LaneAtY(y));
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    peekHovered();
}

void TTheLaneStrip::MouseUp(int32_t x, int32_t y) {
    if (TTheSlider* s = slider(); m_editing && s && s->Dragging())
        s->MouseUp(x, y);
    EndEditing();
    if (!BoundsRect.Contains(x, y) || !LaneAtY(y))
        m_hovered.reset();
    peekHovered();
    TCtrl::MouseUp(x, y);
    if (std::exchange(m_menuPressed, false))
        openMenu(x, y);
}

void TTheLaneStrip::openMenu(int32_t x, int32_t y) {
    if (const TLane* lane = LaneAtY(y))
        m_links.menus.OpenLaneMenu(QPoint(x, y), lane->Position());
    else
        m_links.menus.OpenLaneStripMenu(QPoint(x, y));
}

void TTheLaneStrip::MouseLeave() {
    if (m_editing || !m_hovered)
        return;
    m_hovered.reset();
    peekHovered();
}
