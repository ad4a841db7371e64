// New, open, load, and the plans named by dropped files and by the clipboard.
#include "commands/PlanOpening.h"

#include "audio/BassApi.h"
#include "audio/Mingler.h"
#include "commands/CommandHost.h"
#include "commands/CommandState.h"
#include "commands/DialogState.h"
#include "commands/InstructorLinks.h"
#include "commands/PlanDialogs.h"
#include "commands/PlanKeeping.h"
#include "commands/UnreadablePlanQuestion.h"
#include "model/Arrangement.h"
#include "planfile/PlanDefaults.h"
#include "planfile/PlanOperations.h"
#include "support/FaultLog.h"
#include "support/Report.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

#include <QFileInfo>

namespace {

constexpr int kTextUntitled = 29;
constexpr int kTextOpenTitle = 195;
constexpr int kTextOpenFilter = 196;
constexpr int kTextOpenExtension = 197;
constexpr int kTextOpened = 340;
constexpr int kChangeUnreadable = 195;
constexpr DWORD kSlideMs = 1000;

} // namespace

void StartNewPlan(Arrangement& arrangement) {
    const int32_t previousElementRate = arrangement.plan.ElementRate.Value();
    StartFromDefaults(arrangement);
    arrangement.plan.FileName = Text(kTextUntitled);
    arrangement.plan.Untitled = true;
    FinishLoad(arrangement, previousElementRate);
}

bool NamesPlanFile(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QLatin1String("skw") || suffix == QLatin1String("ini");
}

QString ClipboardPlanName(const QString& text) {
    QString name = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2).trimmed();
    const QFileInfo file(name);
    if (!file.isFile() || !NamesPlanFile(name))
        return {};
    return file.absoluteFilePath();
}

bool PlanOpener::mayReplace(bool keepFirst) {
    if (keepFirst && !m_keeper.KeepPlan(false))
        return false;
    // A new element rate starts the output again, which frees the renders' streams. Asked last,
    // so that nothing cancelled afterwards has stopped them for nothing.
    return !m_links.confirmStopPerpetuations || m_links.confirmStopPerpetuations();
}

void PlanOpener::emptyPlan() {
    Arrangement& arrangement = m_links.arrangement;
    MixerLock lock(arrangement.audio);
    m_state.CurrentBall = nullptr;
    m_state.CurrentLane = nullptr;
    arrangement.balls.RemoveAll(false);
    arrangement.lanes.RemoveAll();
}

void PlanOpener::NewPlan(bool atStartup) {
    Arrangement& arrangement = m_links.arrangement;
    if (!atStartup) {
        bool keepFirst = false;
        if (!m_keeper.SettleChanges(keepFirst) || !mayReplace(keepFirst))
            return;
    }
    {
        const ReplacingPlan replacing(arrangement.recorder);
        if (!atStartup)
            emptyPlan();
        StartNewPlan(arrangement);
        arrangement.plan.ClearModified();
    }
    if (!atStartup) {
        m_links.host.SettleCarrier();
        m_links.host.RefreshAfterLoad();
    }
}

void PlanOpener::OpenPlan() {
    const DialogState state(m_links.host);
    bool keepFirst = false;
    if (!m_keeper.SettleChanges(keepFirst))
        return;
    const FileDialogSpec spec{Text(kTextOpenTitle), Text(kTextOpenFilter), Text(kTextOpenExtension),
                              m_links.arrangement.plan.Folder()};
    const QString fileName = m_links.dialogs.AskOpenFile(spec);
    if (!fileName.isEmpty() && mayReplace(keepFirst))
        LoadPlanFile(false, fileName);
}

bool PlanOpener::LoadPlanFile(bool keepFirst, const QString& fileName) {
    // A dialog under the mix lock would stall the mixing thread; a plan not kept stays.
    if (keepFirst && !m_keeper.KeepPlan(false))
        return false;
    Arrangement& arrangement = m_links.arrangement;
    TThePlan& plan = arrangement.plan;
    {
        MixerLock lock(arrangement.audio);
        const ReplacingPlan replacing(arrangement.recorder);
        m_state.Mark = m_links.stopwatch.Read();
        emptyPlan();
        plan.FileName = fileName;
        plan.ClearModified();
        if (LoadPlan(arrangement, fileName, m_links.planFiles)) {
            ReportElapsed(m_links.stopwatch, FormatText(kTextOpened, {fileName}), m_state.Mark);
        } else {
            Report(fileName, plan.LoadMessages, true);
            plan.SetModified(kChangeUnreadable, true);
        }
        arrangement.audio.Reschedule();
    }
    // Its failure is written to the fault log, which must not happen under the mix lock.
    slideToMasterLoudness();
    m_links.host.RefreshAfterLoad();
    return true;
}

void PlanOpener::slideToMasterLoudness() {
    TTheMingler* mingler = m_links.mingler ? m_links.mingler() : nullptr;
    if (!mingler || !mingler->Handle() || !BassLoaded())
        return;
    const auto loudness = static_cast<float>(m_links.arrangement.plan.MasterLoudness.Value());
    if (!Bass().BASS_ChannelSlideAttribute(mingler->Handle(), BASS_ATTRIB_VOL, loudness, kSlideMs))
        faultlog::Write("instructions", __LINE__,
                        ("BASS_ChannelSlideAttribute " + BassErrorName()).toStdString(),
                        faultlog::CallerAddress());
}

void PlanOpener::OpenPlanFile(const QString& fileName) {
    if (fileName.isEmpty())
        return;
    bool keepFirst = false;
    if (!m_keeper.SettleChanges(keepFirst) || !mayReplace(keepFirst) ||
        !LoadPlanFile(false, fileName))
        return;
    TThePlan& plan = m_links.arrangement.plan;
    const QuestionAnswer answer = AskAboutUnreadablePlan(
        m_links.arrangement, false, true, m_links.unreadablePlan, m_links.host, m_links.planFiles);
    if (answer == QuestionAnswer::Cancel)
        plan.FileName = Text(kTextUntitled);
    if (answer == QuestionAnswer::Cancel || answer == QuestionAnswer::No) {
        plan.ClearModified();
        plan.Untitled = true;
        m_links.host.RefreshTitle();
    }
}

void PlanOpener::OpenPlanFromClipboard() {
    OpenPlanFile(ClipboardPlanName(m_links.desktop.ClipboardText()));
}
