#include "commands/MenusRefresh.h"

#include "commands/CommandIds.h"
#include "commands/MenusContents.h"
#include "texts/Parlance.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

#include <cmath>
#include <initializer_list>

namespace {

void enableAll(const QMenu& menu, std::initializer_list<int> ids, bool on) {
    for (int id : ids)
        Enable(menu, id, on);
}

bool pastesPlanText(const MenuState& state) {
    return state.clipboardText.startsWith(QLatin1Char('['));
}

void refreshResourceFileMenu(const QMenu& menu, const PieceFacts& piece, bool editorialSet) {
    enableAll(menu, {1068, 1066, 1091, 1067, 1069, 1227, 1072}, piece.hasResource);
    Enable(menu, 1090, piece.inMemory);
    // Without an editor the item asks for one first.
    SetCaption(menu, 1065, CommandCaption(1065) + (editorialSet ? QString() : QStringLiteral("…")));
    Enable(menu, 1065, piece.hasResource);
}

void tickLength(const QMenu& menu, int position, const MenuIcons& icons) {
    const QMenu* lengths = FindSubMenu(menu, cmd::kLengthMenu);
    if (!lengths)
        return;
    const QList<QAction*> items = lengths->actions();
    for (int i = 0; i < items.size(); ++i)
        if (!items[i]->isSeparator())
            CheckAction(*items[i], i == position, icons);
}

// A length "a * b" of n steps: one side is n, the other the step in elements. Either order is
// taken, since both are written.
bool isStepsText(const QString& text, int steps, long double elementsPerStep) {
    const QStringList sides = text.split(QLatin1Char('*'));
    if (sides.size() != 2)
        return false;
    bool ok0 = false;
    bool ok1 = false;
    const double a = sides[0].trimmed().toDouble(&ok0);
    const double b = sides[1].trimmed().toDouble(&ok1);
    if (!ok0 || !ok1)
        return false;
    const double step = static_cast<double>(elementsPerStep);
    const auto same = [](double x, double y) {
        return std::abs(x - y) <= 1e-9 * std::max(1.0, std::abs(y));
    };
    return (same(a, steps) && same(b, step)) || (same(b, steps) && same(a, step));
}

void refreshPlanRenderItems(QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    QMenu* plan = FindSubMenu(menu, cmd::kPlanMenu);
    if (!plan)
        return;
    QAction* pause = FindItem(*plan, cmd::kPauseRendering);
    if (!state.rendersRunning) {
        if (pause) {
            const QList<QAction*> items = plan->actions();
            // The separator before the three items goes with them.
            for (qsizetype i = items.indexOf(pause) - 2; i < items.size(); ++i)
                delete items[i];
        }
        return;
    }
    if (!pause) {
        plan->addSeparator();
        QAction* stop = plan->addAction(CommandCaption(cmd::kStopRender));
        stop->setData(cmd::kStopRender);
        icons.Apply(*stop, QStringLiteral("Clear"));
        pause = plan->addAction(QString());
        pause->setData(cmd::kPauseRendering);
    }
    pause->setText(
        CommandCaption(state.renderTimerRunning ? cmd::kPauseRendering : cmd::kResumeRendering));
}

} // namespace

bool IsNumberText(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

bool IsTimeText(const QString& text) {
    static const QRegularExpression time(QStringLiteral(R"(^\s*-?\d+(:\d+)+([.,]\d+)?\s*$)"));
    return time.match(text).hasMatch();
}

int BallLengthPosition(const BallFacts& ball, long double elementsPerStep) {
    const int steps[] = {1, 2, 4, 8};
    for (int i = 0; i < 4; ++i)
        if (isStepsText(ball.lengthText, steps[i], elementsPerStep))
            return i;
    if (ball.lengthText.trimmed() == QStringLiteral("-1"))
        return 5;
    const long double step = std::round(elementsPerStep);
    if (step > 0 && std::fmod(ball.lengthValue, step) == 0)
        return 7;
    return 8;
}

void RefreshLaneMenu(const QMenu& menu, const MenuState& state) {
    if (!state.lane)
        return;
    const LaneFacts& lane = *state.lane;
    const bool text = !state.clipboardText.isEmpty();
    Enable(menu, 1096, lane.piece.hasResource);
    enableAll(menu, {1100, 1055, 1057, 1064}, lane.hasBalls);
    enableAll(menu, {1060, 1061}, pastesPlanText(state));
    enableAll(menu, {1063, 1074, 1070}, text);
    Enable(menu, 1062, IsNumberText(state.clipboardText));
    Enable(menu, 1230, lane.hueGenerated);
    if (const QMenu* files = FindSubMenu(menu, cmd::kResourceFileMenu))
        refreshResourceFileMenu(*files, lane.piece, state.editorialProgramSet);
}

void RefreshBallMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    Enable(menu, 1180, pastesPlanText(state));
    if (!state.ball)
        return;
    const BallFacts& ball = *state.ball;
    if (const QMenu* files = FindSubMenu(menu, cmd::kResourceFileMenu))
        refreshResourceFileMenu(*files, ball.piece, state.editorialProgramSet);
    Enable(menu, 1213, ball.canListen);
    tickLength(menu, BallLengthPosition(ball, state.elementsPerStep), icons);
}

void RefreshRoomMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    Enable(menu, 1180, pastesPlanText(state));
    Enable(menu, 1221, !state.clipboardText.isEmpty());
    tickLength(menu, 5, icons);
}

void RefreshMainMenu(QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    if (state.busy)
        return;
    enableAll(menu, {1027, 1043, 1038, 1039, 1223}, state.planKeptOnce);
    enableAll(menu, {1035, 1092, 1206, 1036, 1225}, state.resourcesLoaded);
    Enable(menu, 1044, !state.clipboardText.isEmpty());
    Enable(menu, 1192, state.editorialProgramSet);
    enableAll(menu, {1232, 1222, 1104, 1248}, state.roomHasBalls);
    Enable(menu, cmd::kUndo, state.canUndo);
    Enable(menu, cmd::kRedo, state.canRedo);
    const bool lanes = state.laneCount > 0;
    enableAll(menu, {1163, 1194, 1193}, lanes);
    Enable(menu, 1228, lanes && state.anyLaneHueGenerated);
    Enable(menu, 1199, state.lastRenderKnown);
    Enable(menu, 1200, state.lastRenderKnown && state.editorialProgramSet);

    Enable(menu, cmd::kLaneMenu, state.lane.has_value());
    Enable(menu, cmd::kBallMenu, state.ball.has_value());
    if (const QMenu* lane = FindSubMenu(menu, cmd::kLaneMenu))
        RefreshLaneMenu(*lane, state);
    if (const QMenu* ball = FindSubMenu(menu, cmd::kBallMenu))
        RefreshBallMenu(*ball, state, icons);

    SetCaption(menu, 1037, CommandCaption(state.planChanged ? 1037 : 1109));

    const std::pair<int, bool> ticks[] = {
        {1149, state.rulerVisible},       {1150, state.laneStripVisible},
        {1151, state.watchVisible},       {1152, state.carrierVisible},
        {1153, state.sliderVisible},      {1154, state.flagsVisible},
        {1155, state.flagHandlesVisible}, {1172, state.peakMetersPresent},
        {1173, state.laneMetersVisible},  {1247, state.menuTriggerVisible},
        {1205, state.loopRange},          {1208, state.followTheLine},
        {1217, state.reportVisible}};
    for (const auto& [id, on] : ticks)
        Check(menu, id, on, icons);

    refreshPlanRenderItems(menu, state, icons);
}

void RefreshLaneStripMenu(const QMenu& menu, const MenuState& state) {
    // The strip's two paste items take plan text, as the lane menu's do.
    enableAll(menu, {1243, 1244}, pastesPlanText(state));
    Enable(menu, 1242, !state.clipboardText.isEmpty());
    const bool lanes = state.laneCount > 0;
    enableAll(menu, {1220, 1241, 1193}, lanes);
    Enable(menu, 1228, lanes && state.anyLaneHueGenerated);
}

void RefreshRulerMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    Check(menu, 1161, !state.flagsVisible, icons);
    Check(menu, 1246, !state.menuTriggerVisible, icons);
}

void RefreshWatchMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    Check(menu, 1087, state.watchPeeksLoudness, icons);
    Check(menu, 1146, state.watchAllowsOutOfRange, icons);
    Enable(menu, 1142, IsTimeText(state.clipboardText) || IsNumberText(state.clipboardText));
    Enable(menu, 1147, state.watchTyperHasValue);
}

void RefreshCarrierMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons) {
    Check(menu, 1205, state.loopRange, icons);
    Check(menu, 1208, state.followTheLine, icons);
}

void RefreshReportMenu(const QMenu& menu, const MenuState& state) {
    enableAll(menu, {cmd::kReportCut, cmd::kReportCopy, cmd::kReportDelete},
              state.reportSelectedRows > 0);
    enableAll(menu, {cmd::kReportClearAll, cmd::kReportSelectAll}, state.reportRows > 0);
    Enable(menu, cmd::kReportPaste, !state.clipboardText.isEmpty());
}

void RefreshSliderMenu(const QMenu& menu, const MenuState& state) {
    const bool number = IsNumberText(state.clipboardText);
    SetCaption(menu, 1142,
               number ? CommandCaption(1142) + QLatin1Char(' ') + state.clipboardText.trimmed()
                      : CommandCaption(1142));
    Enable(menu, 1142, number);
}
