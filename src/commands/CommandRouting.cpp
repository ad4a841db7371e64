#include "commands/CommandRouting.h"

#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "controls/WatchTyper.h"

#include <QTimer>

#include <initializer_list>
#include <utility>

namespace {

constexpr int kFirstId = 1024;
constexpr int kLastNumber = 224;

struct Span {
    int first;
    int last;
};

bool within(int id, std::initializer_list<Span> spans) {
    for (const Span& s : spans)
        if (id >= s.first && id <= s.last)
            return true;
    return false;
}

} // namespace

CommandRoute RouteOf(int id) {
    if (within(id, {{1048, 1077},
                    {1089, 1091},
                    {1096, 1101},
                    {1107, 1108},
                    {1116, 1123},
                    {1130, 1130},
                    {1227, 1227},
                    {1229, 1230}}))
        return CommandRoute::Lane;
    if (within(id, {{1078, 1085}, {1156, 1156}, {1161, 1161}, {1246, 1246}}))
        return CommandRoute::Ruler;
    if (within(id, {{1086, 1087}, {1146, 1147}, {1158, 1158}, {1164, 1165}, {1168, 1168}}))
        return CommandRoute::Watch;
    if (within(id, {{1094, 1095},
                    {1129, 1129},
                    {1157, 1157},
                    {1193, 1193},
                    {1220, 1220},
                    {1228, 1228},
                    {1241, 1244}}))
        return CommandRoute::LaneStrip;
    if (within(id, {{1136, 1137}, {1139, 1142}, {1160, 1160}}))
        return CommandRoute::Slider;
    if (within(id, {{1143, 1145}, {1159, 1159}, {1166, 1167}, {1205, 1205}, {1208, 1208}}))
        return CommandRoute::Carrier;
    if (within(id, {{1178, 1189}, {1204, 1204}, {1213, 1215}, {1221, 1221}}))
        return CommandRoute::BallOrRoom;
    if (within(id, {{1233, 1240}}))
        return CommandRoute::Report;
    // The peak meters' hide item is the view menu's switch.
    if (within(id, {{1025, 1047}, {1088, 1088}, {1092, 1093}, {1102, 1106}, {1109, 1115},
                    {1124, 1128}, {1131, 1135}, {1138, 1138}, {1148, 1155}, {1162, 1162},
                    {1169, 1177}, {1190, 1192}, {1195, 1203}, {1206, 1206}, {1210, 1211},
                    {1217, 1219}, {1222, 1226}, {1232, 1232}, {1245, 1245}, {1247, 1248}}))
        return CommandRoute::Main;
    return CommandRoute::None;
}

bool RunRoutedCommand(const CommandRoutes& routes, int id) {
    ContextCommands& contexts = routes.contexts;
    switch (RouteOf(id)) {
    case CommandRoute::Main:
        return routes.main.Run(id);
    case CommandRoute::Lane:
        contexts.PickObjects();
        return routes.state.CurrentLane && contexts.Run(Dispatcher::Lane, id);
    case CommandRoute::Ruler:
        if (routes.rulerClickAtMouse)
            routes.rulerClickAtMouse();
        return contexts.Run(Dispatcher::Ruler, id);
    case CommandRoute::Watch:
        return contexts.Run(Dispatcher::Watch, id);
    case CommandRoute::LaneStrip:
        return contexts.Run(Dispatcher::LaneStrip, id);
    case CommandRoute::Slider:
        return contexts.Run(Dispatcher::Slider, id);
    case CommandRoute::Carrier:
        return contexts.Run(Dispatcher::Carrier, id);
    case CommandRoute::BallOrRoom:
        contexts.PickObjects();
        return contexts.Run(routes.state.CurrentBall ? Dispatcher::Ball : Dispatcher::Room, id);
    case CommandRoute::Report:
        return contexts.Run(Dispatcher::Report, id);
    case CommandRoute::None:
        break;
    }
    return false;
}

bool RunCommandByNumber(TWatchTyper& typer, const CommandRoutes& routes) {
    TyperStart start;
    start.range = {1, kLastNumber, 0, 1};
    start.noneValue = -1;
    start.complete = [routes, &typer](int32_t number) {
        // The command may type a value of its own or open a dialog: it runs once this entry
        // has let the watch and the slider go (and not at all once the watch is gone).
        QMetaObject::invokeMethod(
            &typer.CaretTimer(), [routes, id = kFirstId + number] { RunRoutedCommand(routes, id); },
            Qt::QueuedConnection);
    };
    return typer.Start(start);
}
