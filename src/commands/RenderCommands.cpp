// Rendering from the window: the dialog, the render list and its timer, the last rendered file.
#include "commands/RenderCommands.h"

#include "audio/MixerViewAdapter.h"
#include "audio/Perpetuator.h"
#include "audio/RenderDialog.h"
#include "audio/RenderHost.h"
#include "audio/RenderSettings.h"
#include "commands/CommandHost.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "commands/RenderStopMenu.h"
#include "model/Arrangement.h"
#include "support/PathText.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

constexpr int kTextRenderTitle = 200;
constexpr int kTextRenderExtension = 202;
constexpr int32_t kDefaultBits = 16;
constexpr int32_t kDefaultTracks = 2;

// A name with its extension (after the last dot) replaced by the render extension; a handle may
// not lead into another folder.
QString renderName(QString name) {
    name.replace('/', '_');
    const qsizetype dot = name.lastIndexOf('.');
    if (dot > 0)
        name.truncate(dot);
    return name + '.' + Text(kTextRenderExtension);
}

// The newest render still running; none when none runs.
TThePerpetuator* newestRunning(MixerViewAdapter& renders) {
    for (int i = renders.RenderCount() - 1; i >= 0; --i)
        if (renders.Render(i).Active())
            return &renders.Render(i);
    return nullptr;
}

void perpetuate(const RenderLinks& l) {
    MixerViewAdapter* renders = l.renders();
    if (!renders)
        return;
    // Shift as the command came, before a dialog changes what is held.
    const bool shift = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    TWideCustomIniFile& s = l.settings;
    const bool rememberBits = ReadSettingBool(s, Setting("Perpetuator", "RememberBitsPerElement"));
    const int32_t bits =
        rememberBits ? ReadSettingInt(s, Setting("Perpetuator", "BitsPerElement")) : kDefaultBits;
    int32_t tracks = ReadSettingInt(s, Setting("Perpetuator", "Tracks"));
    if (tracks <= 0)
        tracks = kDefaultTracks;
    RenderSettings settings = ReadRenderSettings(s);
    settings.encoderLibrary = InProgramFolder(settings.encoderLibrary, l.programFolder);
    const TThePlan& plan = l.arrangement.plan;

    FileDialogSpec spec;
    spec.title = Text(kTextRenderTitle);
    spec.filter =
        RenderFilter(ReadSettingBool(s, Setting("Perpetuator", "ExtendedInfoInDialog")),
                     plan.ElementRate.Value(), static_cast<uint32_t>(tracks), settings.mp3.bitRate);
    QString fileName = ProposedRenderFile(s, plan, QDir::homePath());
    spec.folder = QFileInfo(fileName).path();
    int filterIndex = RenderFilterIndex(ReadSettingInt(s, Setting("Perpetuator", "Format")), bits);
    {
        const DialogState dialog(l.host);
        if (!l.dialogs.AskSaveFile(spec, fileName, filterIndex) || fileName.isEmpty())
            return;
    }
    const RenderChoice choice = RenderChoiceForFile(filterIndex, fileName);
    if (rememberBits)
        WriteSettingInt(s, Setting("Perpetuator", "BitsPerElement"),
                        static_cast<int32_t>(choice.bits));
    WriteSettingText(s, Setting("Perpetuator", "FilePath"), fileName);
    WriteSettingInt(s, Setting("Perpetuator", "Format"), StoredFormat(choice.output));

    TThePerpetuator& render = renders->AddRender(
        std::make_unique<TThePerpetuator>(l.arrangement, l.mingler(), l.renderHost, settings));
    render.OpenInEditor = shift;
    // A render that could not start has said why; the timer takes it out of the list.
    render.StartRender(
        {fileName, choice.output, static_cast<uint32_t>(tracks), choice.bits, plan.Start});
    l.renderTimer.start();
}

// While renders run the newest opens its file when it ends; otherwise the last rendered file
// opens now.
void openLastRender(const RenderLinks& l, bool inEditor) {
    if (MixerViewAdapter* renders = l.renders())
        if (TThePerpetuator* newest = newestRunning(*renders)) {
            (inEditor ? newest->OpenInEditor : newest->OpenFile) = true;
            return;
        }
    const QString last = ReadSettingText(l.settings, Setting("Perpetuator", "FilePath"));
    if (last.isEmpty())
        return;
    if (inEditor)
        l.renderHost.OpenInEditor(last);
    else
        l.renderHost.OpenWithDefault(last);
}

// The renders stand still while the choice is open, so the list it shows stays the list.
void stopOneRender(const RenderLinks& l) {
    MixerViewAdapter* renders = l.renders();
    if (!renders)
        return;
    std::vector<int> running; // newest first
    QStringList files;
    for (int i = renders->RenderCount() - 1; i >= 0; --i)
        if (renders->Render(i).Active()) {
            running.push_back(i);
            files << QDir::toNativeSeparators(renders->Render(i).FileName());
        }
    if (running.empty())
        return;
    const bool ran = l.renderTimer.isActive();
    l.renderTimer.stop();
    int chosen = -1;
    {
        const DialogState dialog(l.host);
        chosen = l.stopMenu.ChooseRender(files);
    }
    if (chosen >= 0 && chosen < static_cast<int>(running.size())) {
        renders->RemoveRender(running[static_cast<size_t>(chosen)]);
        l.host.RefreshTitle();
    }
    if (ran && renders->RenderCount() > 0)
        l.renderTimer.start();
}

void pauseOrResumeRenders(const RenderLinks& l) {
    const MixerViewAdapter* renders = l.renders();
    if (!renders || renders->RenderCount() == 0)
        return;
    if (l.renderTimer.isActive())
        l.renderTimer.stop();
    else
        l.renderTimer.start();
}

} // namespace

QString ProposedRenderFile(const TWideCustomIniFile& settings, const TThePlan& plan,
                           const QString& defaultFolder) {
    const QString base = plan.Untitled
                             ? QDir(defaultFolder).filePath(QFileInfo(plan.FileName).fileName())
                             : plan.FileName;
    const QString remembered = ReadSettingText(settings, Setting("Perpetuator", "FilePath"));
    const QString baseFolder = QFileInfo(base).absolutePath();
    QString folder = baseFolder;
    if (!remembered.isEmpty() &&
        ReadSettingBool(settings, Setting("Perpetuator", "RememberFolder")))
        folder = QFileInfo(remembered).absolutePath();
    if (!QFileInfo(folder).isDir())
        folder = baseFolder;
    QString name;
    if (!remembered.isEmpty() &&
        ReadSettingBool(settings, Setting("Perpetuator", "RememberFileName")))
        name = QFileInfo(remembered).fileName();
    else if (ReadSettingBool(settings, Setting("Perpetuator", "UsePlanHandle")) &&
             !plan.Master.Handle.isEmpty())
        name = renderName(plan.Master.Handle);
    else
        name = renderName(QFileInfo(base).fileName());
    return QDir(folder).filePath(name);
}

void AddRenderCommands(CommandTable& main, const RenderLinks& links) {
    main.Add(cmd::kPerpetuate, [links] { perpetuate(links); });
    main.Add(cmd::kOpenLastRender, [links] { openLastRender(links, false); });
    main.Add(cmd::kOpenLastRenderInEditor, [links] { openLastRender(links, true); });
    main.Add(cmd::kStopRender, [links] { stopOneRender(links); });
    main.Add(cmd::kPauseRendering, [links] { pauseOrResumeRenders(links); });
    main.Add(cmd::kResumeRendering, [links] { pauseOrResumeRenders(links); });
}
