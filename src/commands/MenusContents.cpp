#include "commands/MenusContents.h"

#include "commands/CommandIds.h"

namespace menus {
namespace {

MenuEntry item(int id, const char* icon = "") {
    return {id, QString::fromLatin1(icon), {}, ActivePopup::None, 0, false};
}
MenuEntry sub(int id, MenuEntries entries, const char* icon = "",
              ActivePopup route = ActivePopup::None) {
    return {id, QString::fromLatin1(icon), std::move(entries), route, 0, false};
}
MenuEntry list(int id, ActivePopup route) {
    return {id, QString(), {}, route, 0, true};
}
MenuEntry window(int id, int captionId, const char* icon) {
    return {id, QString::fromLatin1(icon), {}, ActivePopup::None, captionId, false};
}
const MenuEntry sep = MenuEntry::Separator();

MenuEntries join(MenuEntries first, const MenuEntries& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

MenuEntries startBlock() {
    // Separators of this block carry id 1041 in the pop-up; no route needs it.
    return {item(1102, "New"),
            item(1103, "Open"),
            sep,
            item(1037, "Keep"),
            item(1032, "Keep As"),
            item(1033, "Keep a Copy"),
            sep,
            item(1197, "Perpetuate"),
            sep};
}

MenuEntries planMenu() {
    return {item(1027, "Amend"),
            item(1043, "Open"),
            item(1038, "Browse"),
            sep,
            item(1039, "Copy"),
            item(1044, "Paste"),
            sep,
            item(1200),
            item(1199, "Run"),
            sep,
            item(1198, "Pan"),
            sep,
            item(1218),
            item(1219),
            sep,
            item(1223),
            item(1034, "Info")};
}

MenuEntries lengthMenu() {
    return {item(1185), item(1186), item(1187), item(1188), sep,
            item(1189), sep,        item(1184), item(1204)};
}

MenuEntries resourceFileMenu() {
    return {item(1065, "Amend"),
            item(1066, "Run"),
            item(1067, "Open"),
            item(1068, "Browse"),
            sep,
            item(1089, "Add File"),
            item(1090, "Reload"),
            sep,
            item(1069, "Copy"),
            item(1070, "Paste"),
            sep,
            item(1091, "Clear"),
            sep,
            item(1227),
            item(1072, "Info")};
}

MenuEntries roomMenu() {
    return {item(cmd::kUndo),
            item(cmd::kRedo),
            sep,
            sub(cmd::kBallMenu, BallMenuEntries(), "", ActivePopup::RoomMenu),
            sep,
            item(1232, "Cut"),
            item(1222, "Copy"),
            item(1104, "Clear"),
            sep,
            item(1078, "Start"),
            item(1080, "End"),
            item(1162),
            item(1248),
            sep,
            item(1164),
            item(1165),
            item(1168),
            sep,
            item(1106, "Car")};
}

MenuEntries lanesMenu() {
    return {item(1030, "Add"),
            sep,
            sub(cmd::kLaneMenu, LaneMenuEntries(), "", ActivePopup::LanesMenu),
            sep,
            sub(1163, {item(1210, "Solo"), item(1211, "Pan")}),
            sub(1194, {item(1195, "Solo"), item(1196, "Pan")}),
            sep,
            item(1220, "Copy"),
            item(1241),
            sep,
            item(1193, "Color"),
            item(1228),
            sep,
            item(1094, "Info")};
}

MenuEntries resourcesMenu() {
    return {
        item(1045, "Browse"), item(1092), sep,        item(1124, "Open"), item(1125), sep,
        item(1192, "Run"),    item(1191), sep,        item(1206, "Copy"), sep,        item(1035),
        item(1036),           sep,        item(1225), item(1093, "Info")};
}

MenuEntries viewMenu() {
    return {item(1149), item(1150), item(1151), item(1152), item(1153), sep,       item(1154),
            item(1155), sep,        item(1172), item(1173), sep,        item(1247)};
}

MenuEntries programMenu() {
    return {sub(1207, {item(1082, "Roll"), sep, item(1166), item(1167), sep, item(1143), item(1144),
                       item(1145), sep, item(1205), item(1208)}),
            sep,
            item(1138),
            sep,
            item(1029, "Screenshot"),
            item(1190, "Keep a Copy"),
            item(1026, "Browse"),
            sep,
            list(cmd::kOutputDeviceMenu, ActivePopup::OutputDeviceMenu),
            sep,
            item(1135),
            item(1028, "Reset"),
            sep,
            item(1217),
            sep,
            list(cmd::kStyleMenu, ActivePopup::StyleMenu),
            sub(1148, viewMenu()),
            list(cmd::kLanguageMenu, ActivePopup::LanguageMenu)};
}

MenuEntries sharedSubMenus() {
    return {sub(cmd::kPlanMenu, planMenu()),
            sub(1105, roomMenu()),
            sub(1047, lanesMenu()),
            sub(1046, resourcesMenu()),
            sub(1126, programMenu()),
            sep,
            item(1040, "Full Screen"),
            sep,
            item(1025, "Handout")};
}

} // namespace

MenuEntries MainPopupEntries() {
    return join(join(startBlock(), sharedSubMenus()), {sep, item(cmd::kExitProgram, "Exit")});
}

MenuEntries WindowPopupEntries() {
    const MenuEntries windowCommands = {window(cmd::kWindowRestore, 1110, "Restore"),
                                        window(cmd::kWindowMove, 1111, ""),
                                        window(cmd::kWindowSize, 1112, ""),
                                        window(cmd::kWindowMinimize, 1113, "Minimize"),
                                        window(cmd::kWindowMaximize, 1114, "Maximize"),
                                        sep,
                                        window(cmd::kWindowClose, 1115, "Exit"),
                                        sep};
    return join(join(windowCommands, startBlock()), sharedSubMenus());
}

MenuEntries LaneMenuEntries() {
    return {item(1049, "Solo"),
            item(1048, "Shut Up"),
            sep,
            item(1096, "Roll"),
            sep,
            item(1052, "Up"),
            item(1053, "Down"),
            sep,
            sub(1099, {item(1054, "Cut"), sep, item(1056, "Copy"), item(1058), item(1059), sep,
                       item(1060, "Paste"), item(1062), item(1063), sep, item(1107, "Solo"),
                       item(1108, "Pan"), sep, item(1229, "Color"), item(1230), item(1076)}),
            sub(1101, {item(1055, "Cut"), item(1057, "Copy"), item(1061, "Paste"), sep,
                       item(1064, "Clear"), sep, item(1116, "Piece"), item(1117), item(1118),
                       item(1119), sep, item(1122, "Random"), sep, item(1100, "Roll")}),
            sub(cmd::kResourceFileMenu, resourceFileMenu()),
            sep,
            item(1073, "Copy"),
            item(1074, "Paste"),
            sep,
            item(1051, "Clear"),
            sep,
            item(1077, "Info")};
}

MenuEntries BallMenuEntries() {
    return {item(1213, "Roll"),
            sep,
            item(1214, "Solo"),
            item(1215, "Pan"),
            sep,
            item(1178, "Cut"),
            item(1179, "Copy"),
            item(1180, "Paste"),
            sep,
            item(1182, "Clear"),
            sep,
            sub(cmd::kLengthMenu, lengthMenu()),
            sub(cmd::kResourceFileMenu, resourceFileMenu()),
            sep,
            item(1077, "Info")};
}

MenuEntries LaneStripMenuEntries() {
    return {item(1095, "Add"),
            sep,
            item(1089, "Add File"),
            sep,
            item(1220, "Copy"),
            item(1241),
            sep,
            item(1243, "Paste"),
            item(1244),
            item(1242),
            sep,
            item(1157, "Hide"),
            sep,
            item(1193, "Color"),
            item(1228),
            sep,
            item(1094, "Info")};
}

MenuEntries RulerMenuEntries() {
    return {item(1078, "Start"), item(1079), sep, item(1080, "End"),  item(1081), sep,
            item(1082, "Roll"),  item(1083), sep, item(1156, "Hide"), item(1161), item(1246)};
}

MenuEntries WatchMenuEntries() {
    return {item(1158, "Hide"),
            sep,
            sub(1231, {item(1086), sep, item(1087), item(1146)}),
            sep,
            item(1106, "Car"),
            item(1135),
            item(1147),
            sep,
            item(1164),
            item(1165),
            item(1168),
            sep,
            item(1141, "Copy"),
            item(1142, "Paste")};
}

MenuEntries CarrierMenuEntries() {
    return {item(1159, "Hide"), sep, item(1143, "Roll"), item(1144), item(1145), sep,
            item(1082),         sep, item(1166),         item(1167), sep,        item(1205),
            item(1208)};
}

MenuEntries SliderMenuEntries() {
    return {item(1160, "Hide"), sep,        item(1140), item(1139),         sep,
            item(1136),         item(1137), sep,        item(1141, "Copy"), item(1142, "Paste")};
}

MenuEntries PeakMeterMenuEntries() {
    return {item(1177, "Hide")};
}

MenuEntries RoomMenuEntries() {
    return {sub(cmd::kLengthMenu, lengthMenu()),
            sep,
            item(1089, "Add File"),
            sep,
            item(1180, "Paste"),
            item(1221),
            sep,
            item(1077, "Info")};
}

MenuEntries ReportMenuEntries() {
    return {item(1233, "Cut"),
            item(1234, "Copy"),
            item(1240, "Paste"),
            sep,
            item(1235, "Clear"),
            sep,
            item(1236),
            item(1237),
            sep,
            item(1238, "Hide"),
            sep,
            item(1239, "Info")};
}

} // namespace menus
