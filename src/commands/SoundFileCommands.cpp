// The sound-file commands of the lane, ball, lane strip and room menus, and AddLane.
#include "commands/SoundFileCommands.h"

#include "audio/Channels.h"
#include "audio/ResourceReload.h"
#include "commands/BallPlacing.h"
#include "commands/CommandHost.h"
#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/ContextCommands.h"
#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "commands/ResourceFileOperations.h"
#include "commands/SoundFileName.h"
#include "commands/SoundInfo.h"
#include "controls/SoundFileLink.h"
#include "model/Arrangement.h"
#include "model/LaneEdits.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

constexpr int32_t kChangeLaneSoundFile = 250;

constexpr int kTextLaneFileCaption = 17;
constexpr int kTextLaneInfoCaption = 76;
constexpr int kTextBallInfoCaption = 158;
constexpr int kTextBallFileCaption = 238;
constexpr int kTextRoomInfoCaption = 267;

// The commands' shared work; the tables' entries keep it alive.
class SoundFileCommands {
public:
    explicit SoundFileCommands(const SoundFileLinks& links) : m_links(links) {}

    ResourceFileOperations& Files() { return m_files; }
    TLane* CurrentLane() const { return m_links.state.CurrentLane; }
    TBall* CurrentBall() const { return m_links.state.CurrentBall; }

    void PasteLaneFile();
    void ChooseLaneFile();
    void UnlinkLaneFile();
    void PasteBallFile();
    void ChooseBallFile();
    void UnlinkBallFile();
    void Reload(TRes* resource);
    void LaneInfo();
    void BallInfo();
    void RoomInfo();
    void AddLaneAtPopupRow();
    void ChooseFileForCell();
    void PasteFileOnCell();
    void AddLane();

private:
    // The file as the resource list holds it; none, with the report's line, when it does not
    // decode.
    TRes* soundOf(const QString& file);
    void setLaneFile(TLane& lane, TRes& resource, int32_t changeCode);
    void setBallFile(TBall& ball, TRes* resource, int32_t changeCode);
    // A lane with the file at the row, drawn; false when the file does not decode.
    bool addLane(int32_t position, const QString& file, int32_t changeCode);
    void dropOnPointCell(const QString& file, bool refresh);
    QString clipboardFileName() const;
    ResourceFolders folders() const;
    void showInfo(int caption, const QString& text);

    const SoundFileLinks m_links;
    ResourceFileOperations m_files{m_links};
};

ResourceFolders SoundFileCommands::folders() const {
    return PlanResourceFolders(m_links.arrangement.plan,
                               ReadDefaultResourcesFolder(m_links.settings));
}

TRes* SoundFileCommands::soundOf(const QString& file) {
    if (file.isEmpty())
        return nullptr;
    return m_links.arrangement.resources.FindOrAddSound(QFileInfo(file).absoluteFilePath(),
                                                        folders());
}

QString SoundFileCommands::clipboardFileName() const {
    return SoundFileNameFromText(m_links.desktop.ClipboardText());
}

void SoundFileCommands::setLaneFile(TLane& lane, TRes& resource, int32_t changeCode) {
    m_links.arrangement.plan.SetModified(changeCode, true);
    SetLaneResource(m_links.arrangement, lane, resource);
    m_links.refreshLane(lane);
}

void SoundFileCommands::setBallFile(TBall& ball, TRes* resource, int32_t changeCode) {
    m_links.arrangement.plan.SetModified(changeCode, true);
    m_links.arrangement.balls.SetResource(ball, resource);
    if (const TLane* lane = ball.Lane())
        m_links.refreshLane(*lane);
    else
        m_links.repaintRoom();
}

bool SoundFileCommands::addLane(int32_t position, const QString& file, int32_t changeCode) {
    TLane* lane = AddLaneWithSoundFile(m_links.arrangement, position, file, folders());
    if (!lane)
        return false;
    m_links.arrangement.plan.SetModified(changeCode, true);
    m_links.refreshLane(*lane);
    return true;
}

void SoundFileCommands::PasteLaneFile() {
    const QString name = clipboardFileName();
    if (name.isEmpty())
        return;
    if (TLane* lane = CurrentLane()) {
        if (TRes* resource = soundOf(name))
            setLaneFile(*lane, *resource, kChangeLaneSoundFile);
        return;
    }
    addLane(m_links.popupRow(), name, kChangeLaneSoundFile);
}

void SoundFileCommands::ChooseLaneFile() {
    TLane* lane = CurrentLane();
    if (!lane)
        return;
    const TRes* current = lane->Piece().Resource;
    const QString file =
        m_links.soundFiles.ChooseSoundFile(current ? current->FullName : QString());
    if (TRes* resource = soundOf(file))
        setLaneFile(*lane, *resource, kChangeLaneAdded);
}

void SoundFileCommands::UnlinkLaneFile() {
    TLane* lane = CurrentLane();
    if (!lane || !lane->Piece().Resource)
        return;
    m_links.arrangement.plan.SetModified(kChangeLaneSoundFile, true);
    {
        MixerLock lock(m_links.arrangement.audio);
        lane->Piece().Resource = nullptr;
    }
    // Its balls without a file of their own fall silent.
    m_links.arrangement.audio.RescheduleLane(*lane);
    m_links.refreshLane(*lane);
}

void SoundFileCommands::PasteBallFile() {
    TBall* ball = CurrentBall();
    if (TRes* resource = ball ? soundOf(clipboardFileName()) : nullptr)
        setBallFile(*ball, resource, kChangeBallSoundFilePasted);
}

void SoundFileCommands::ChooseBallFile() {
    TBall* ball = CurrentBall();
    if (!ball)
        return;
    const TRes* current = ball->Values().EffectiveResource();
    const QString file =
        m_links.soundFiles.ChooseSoundFile(current ? current->FullName : QString());
    if (TRes* resource = soundOf(file))
        setBallFile(*ball, resource, kChangeBallOwnFile);
}

void SoundFileCommands::UnlinkBallFile() {
    TBall* ball = CurrentBall();
    if (ball && ball->OwnPiece() && ball->OwnPiece()->Resource)
        setBallFile(*ball, nullptr, kChangeBallOwnFile);
}

void SoundFileCommands::Reload(TRes* resource) {
    if (!resource || !m_links.confirmStopPerpetuations())
        return;
    ReloadResource(m_links.arrangement, *resource, m_links.mingler());
    m_links.repaintRoom();
}

void SoundFileCommands::showInfo(int caption, const QString& text) {
    const DialogState state(m_links.host);
    m_links.dialogs.ShowInformation(Text(caption), text);
}

void SoundFileCommands::LaneInfo() {
    TLane* lane = CurrentLane();
    if (!lane)
        return;
    int sounding = 0;
    {
        MixerLock lock(m_links.arrangement.audio);
        if (const LaneChannels* channels = ExistingLaneSounding(*lane))
            sounding = channels->Count();
    }
    showInfo(kTextLaneInfoCaption, LaneInfoText(*lane, sounding));
}

void SoundFileCommands::BallInfo() {
    TBall* ball = CurrentBall();
    if (!ball)
        return;
    int sounding = 0;
    {
        MixerLock lock(m_links.arrangement.audio);
        if (const TChannels* channels = ExistingBallChannels(*ball))
            sounding = channels->Count();
    }
    showInfo(kTextBallInfoCaption, BallInfoText(*ball, sounding));
}

void SoundFileCommands::RoomInfo() {
    showInfo(kTextRoomInfoCaption, RoomInfoText(m_links.arrangement.balls));
}

void SoundFileCommands::AddLaneAtPopupRow() {
    const int32_t position = m_links.popupRow();
    const QString file = m_links.soundFiles.ChooseSoundFile({});
    if (!file.isEmpty())
        addLane(position, file, kChangeLaneAdded);
}

void SoundFileCommands::dropOnPointCell(const QString& file, bool refresh) {
    if (file.isEmpty())
        return;
    const Arrangement& a = m_links.arrangement;
    const TThePoint& point = a.room.Point;
    if (m_links.balls.DropFileOnCell(point.X + a.room.OffsetX, point.Y + a.room.OffsetY, refresh,
                                     file))
        m_links.repaintRoom();
}

void SoundFileCommands::ChooseFileForCell() {
    dropOnPointCell(m_links.soundFiles.ChooseSoundFile({}), false);
}

void SoundFileCommands::PasteFileOnCell() {
    dropOnPointCell(clipboardFileName(), true);
}

void SoundFileCommands::AddLane() {
    const TTheLanes& lanes = m_links.arrangement.lanes;
    // One past the highest lane; the first lane of a plan goes on row 0.
    int32_t position = 0;
    if (lanes.Count() > 0) {
        int32_t highest = INT32_MIN;
        for (int i = 0; i < lanes.Count(); ++i)
            highest = std::max(highest, lanes.At(i).Position());
        if (highest < INT32_MAX)
            position = highest + 1;
        else if (lanes.AtPosition(0))
            return;
    }
    const QString file = m_links.soundFiles.ChooseSoundFile({});
    if (!file.isEmpty())
        addLane(position, file, kChangeLaneAdded);
}

} // namespace

void AddSoundFileCommands(CommandTable& main, ContextCommands& contexts,
                          const SoundFileLinks& links) {
    const auto commands = std::make_shared<SoundFileCommands>(links);
    SoundFileCommands& c = *commands;
    const auto add = [&commands](CommandTable& table, int id, void (SoundFileCommands::*work)()) {
        table.Add(id, [commands, work] { ((*commands).*work)(); });
    };

    CommandTable& lane = contexts.Of(Dispatcher::Lane);
    c.Files().AddTo(
        lane,
        [commands]() -> const TPiece* {
            const TLane* l = commands->CurrentLane();
            return l ? &l->Piece() : nullptr;
        },
        kTextLaneFileCaption);
    add(lane, cmd::kPasteSoundFileName, &SoundFileCommands::PasteLaneFile);
    add(lane, cmd::kChooseSoundFile, &SoundFileCommands::ChooseLaneFile);
    add(lane, cmd::kUnlinkSoundFile, &SoundFileCommands::UnlinkLaneFile);
    lane.Add(cmd::kReloadSoundFile, [commands] {
        if (TLane* l = commands->CurrentLane())
            commands->Reload(l->Piece().Resource);
    });
    add(lane, cmd::kObjectInfo, &SoundFileCommands::LaneInfo);

    CommandTable& ball = contexts.Of(Dispatcher::Ball);
    c.Files().AddTo(
        ball,
        [commands]() -> const TPiece* {
            const TBall* b = commands->CurrentBall();
            return b ? b->OwnPiece() : nullptr;
        },
        kTextBallFileCaption);
    add(ball, cmd::kPasteSoundFileName, &SoundFileCommands::PasteBallFile);
    add(ball, cmd::kChooseSoundFile, &SoundFileCommands::ChooseBallFile);
    add(ball, cmd::kUnlinkSoundFile, &SoundFileCommands::UnlinkBallFile);
    ball.Add(cmd::kReloadSoundFile, [commands] {
        if (const TBall* b = commands->CurrentBall(); b && b->OwnPiece())
            commands->Reload(b->OwnPiece()->Resource);
    });
    add(ball, cmd::kObjectInfo, &SoundFileCommands::BallInfo);

    CommandTable& strip = contexts.Of(Dispatcher::LaneStrip);
    add(strip, cmd::kChooseSoundFile, &SoundFileCommands::AddLaneAtPopupRow);
    strip.Add(cmd::kPasteSoundFileAsLane, [commands, &state = links.state] {
        state.CurrentLane = nullptr;
        commands->PasteLaneFile();
    });

    CommandTable& room = contexts.Of(Dispatcher::Room);
    add(room, cmd::kChooseSoundFile, &SoundFileCommands::ChooseFileForCell);
    add(room, cmd::kPasteSoundFile, &SoundFileCommands::PasteFileOnCell);
    add(room, cmd::kObjectInfo, &SoundFileCommands::RoomInfo);

    add(main, cmd::kAddLane, &SoundFileCommands::AddLane);
}

void ChooseSoundFileAtPoint(ContextCommands& contexts, const CommandState& state) {
    contexts.PickObjects();
    contexts.Run(state.CurrentBall ? Dispatcher::Ball : Dispatcher::Room, cmd::kChooseSoundFile);
}

void CopySoundFileNameAtPoint(ContextCommands& contexts, const CommandState& state,
                              PlanDesktop& desktop) {
    contexts.PickObjects();
    const TRes* resource = OwnResource(state.CurrentBall ? state.CurrentBall->OwnPiece() : nullptr);
    if (!resource)
        resource = OwnResource(state.CurrentLane ? &state.CurrentLane->Piece() : nullptr);
    if (resource)
        desktop.SetClipboardText(resource->FullName);
}
