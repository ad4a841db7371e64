// The ids of the program's commands and menus, as the menus and the keys name them.
#pragma once

// Ids 1025..1248 are the program's commands; each has the caption of the same number. Ids not
// named here are used by number where their menu or key lists them.
namespace cmd {

constexpr int kSwitchHandout = 1025;
constexpr int kShowProgramInFolder = 1026;
constexpr int kAmendPlanText = 1027;
constexpr int kReloadBassDLL = 1028;
constexpr int kTakeScreenshot = 1029;
constexpr int kAddLane = 1030;
constexpr int kKeepPlanAs = 1032;
constexpr int kKeepPlanCopy = 1033;
constexpr int kShowPlanInfo = 1034;
constexpr int kReloadResources = 1035;
constexpr int kPurgeResources = 1036;
constexpr int kKeepPlan = 1037;
constexpr int kShowPlanInFolder = 1038;
constexpr int kCopyPlanPath = 1039;
constexpr int kSwitchFullScreen = 1040;
constexpr int kPlanMenu = 1042;
constexpr int kOpenPlanWith = 1043;
constexpr int kOpenPlanFromClipboard = 1044;
constexpr int kBrowseResourcesFolder = 1045;
constexpr int kResourcesMenu = 1046;
constexpr int kLanesMenu = 1047;
constexpr int kCollectResources = 1092;
constexpr int kShowResourcesInfo = 1093;
constexpr int kShowLanesInfo = 1094;
constexpr int kResourceFileMenu = 1098;
constexpr int kNewPlan = 1102;
constexpr int kOpenPlan = 1103;
constexpr int kRoomMenu = 1105;
constexpr int kChoosePlanResourcesFolder = 1124;
constexpr int kChooseDefaultResourcesFolder = 1125;
constexpr int kProgramMenu = 1126;
constexpr int kLanguageMenu = 1127;
constexpr int kViewMenu = 1148;
constexpr int kSwitchRuler = 1149;
constexpr int kSwitchLaneStrip = 1150;
constexpr int kSwitchWatch = 1151;
constexpr int kSwitchCarrier = 1152;
constexpr int kSwitchSlider = 1153;
constexpr int kSwitchFlags = 1154;
constexpr int kSwitchFlagHandles = 1155;
constexpr int kHideRuler = 1156;
constexpr int kHideLaneStrip = 1157;
constexpr int kHideWatch = 1158;
constexpr int kHideCarrier = 1159;
constexpr int kHideSlider = 1160;
constexpr int kSwitchPeakMeters = 1172;
constexpr int kSwitchLaneMeters = 1173;
constexpr int kOutputDeviceMenu = 1174;
constexpr int kHidePeakMeters = 1177;
constexpr int kSelfReproduce = 1190;
constexpr int kChooseEditorialProgram = 1191;
constexpr int kRunEditorialProgram = 1192;
constexpr int kPerpetuate = 1197;
constexpr int kSetRenderChannels = 1198;
constexpr int kOpenLastRender = 1199;
constexpr int kOpenLastRenderInEditor = 1200;
constexpr int kCopyResourceList = 1206;
constexpr int kLaneMenu = 1209;
constexpr int kBallMenu = 1212;
constexpr int kAuditionBall = 1213;
constexpr int kStyleMenu = 1216;
constexpr int kSwitchReport = 1217;
constexpr int kShowPlanProperties = 1223;
constexpr int kShowResourceProperties = 1225;
constexpr int kExitProgram = 1245;
constexpr int kSwitchMenuTrigger = 1247;
constexpr int kUndo = 1249;
constexpr int kRedo = 1250;

// The platform's window commands, in the window pop-up.
constexpr int kWindowSize = 61440;
constexpr int kWindowMove = 61456;
constexpr int kWindowMinimize = 61472;
constexpr int kWindowMaximize = 61488;
constexpr int kWindowClose = 61536;
constexpr int kWindowRestore = 61728;

// Numbered list items: styles 1..N, languages from kFirstLanguage; the output devices follow
// the languages.
constexpr int kFirstLanguage = 225;

// The ruler menu's own ids for two view switches.
constexpr int kRulerSwitchFlags = 1161;
constexpr int kRulerSwitchMenuTrigger = 1246;

// Commands the keys run besides those above.
constexpr int kRangeStartAtPoint = 1078;
constexpr int kRangeEndAtPoint = 1080;
constexpr int kPlayFromPoint = 1082;
constexpr int kSwitchWatchPeeking = 1087;
constexpr int kChooseSoundFile = 1089;
constexpr int kTypeTempo = 1106;
constexpr int kPlayFromBeginning = 1143;
constexpr int kPlayFromRangeStart = 1144;
constexpr int kRangeAroundPoint = 1162;
constexpr int kGoToTime = 1164;
constexpr int kGoToStep = 1165;
constexpr int kPlayFromTime = 1166;
constexpr int kPlayFromStep = 1167;
constexpr int kGoToRow = 1168;
constexpr int kStopRender = 1201;
// The other render items that come and go at the end of the plan menu.
constexpr int kPauseRendering = 1202;
constexpr int kResumeRendering = 1203;
// The ball length sub-menu, and the fixed items of the output device menu.
constexpr int kLengthMenu = 1183;
constexpr int kDefaultDevice = 1175;
constexpr int kNoSound = 1176;
constexpr int kSwitchLoopRange = 1205;
constexpr int kSwitchFollowLine = 1208;
constexpr int kPasteSoundFile = 1221;

// The lane commands: the lane menu's, the lane strip's and the lanes menu's.
constexpr int kMuteLane = 1048;
constexpr int kSoloLane = 1049;
constexpr int kRemoveLane = 1051;
constexpr int kMoveLaneUp = 1052;
constexpr int kMoveLaneDown = 1053;
constexpr int kCopyLaneLoudness = 1058;
constexpr int kCopyLaneHue = 1059;
constexpr int kPasteLaneLoudness = 1062;
constexpr int kPasteLaneHue = 1063;
constexpr int kRemoveLaneBalls = 1064;
constexpr int kCopyLaneName = 1073;
constexpr int kPasteLaneName = 1074;
constexpr int kExchangeLaneName = 1075;
constexpr int kTypeLaneHue = 1076;
constexpr int kAddEmptyLane = 1095;
constexpr int kAuditionLane = 1096;
constexpr int kRollFromLane = 1100;
constexpr int kTypeLaneLoudness = 1107;
constexpr int kTypeLanePan = 1108;
constexpr int kBallEveryStep = 1116; // then every 2, 4 and 8 steps
constexpr int kBallEvery8Steps = 1119;
constexpr int kRandomLaneBalls = 1122;
constexpr int kNewLaneHues = 1193;
constexpr int kCopyLaneList = 1220;
constexpr int kFixLaneHues = 1228;
constexpr int kNewLaneHue = 1229;
constexpr int kFixLaneHue = 1230;
constexpr int kCopyLaneListInFull = 1241;
// Clipboard and ball edits.
constexpr int kCutLane = 1054;
constexpr int kCutLaneBalls = 1055;
constexpr int kCopyLane = 1056;
constexpr int kCopyLaneBalls = 1057;
constexpr int kPasteLane = 1060;
constexpr int kPasteLaneBalls = 1061;
constexpr int kDeleteAllBalls = 1104;
constexpr int kCutBall = 1178;
constexpr int kCopyBall = 1179;
constexpr int kPasteBalls = 1180;
constexpr int kRemoveBall = 1182;
constexpr int kTypeBallSteps = 1184;
constexpr int kBallLengthOneStep = 1185; // then 2, 4 and 8 steps, and the whole sound (1189)
constexpr int kTypeBallFrames = 1204;
constexpr int kTypeBallLoudness = 1214;
constexpr int kTypeBallPan = 1215;
constexpr int kCopyBalls = 1222;
constexpr int kCutBalls = 1232;
constexpr int kStripPasteLane = 1243;
constexpr int kStripPasteLaneBalls = 1244;
// Keys only, without a menu item or caption: the balls pasted in the columns they were copied
// from.
constexpr int kPasteBallsKeepingColumns = 2001;
// Program and resource commands.
constexpr int kShowProgramProperties = 1226;
// Typed values, the watch's, the slider's, the carrier's and the ruler's menus, the play range
// and the report window's menu.
constexpr int kRangeStartExactly = 1079;
constexpr int kRangeEndExactly = 1081;
constexpr int kPlayFromPointExactly = 1083;
constexpr int kSwitchWatchMode = 1086;
constexpr int kTypeOutputBuffer = 1135;
constexpr int kSliderToDefault = 1136;
constexpr int kSliderAsLoaded = 1137;
constexpr int kSwitchPointBlinking = 1138;
constexpr int kSliderToSilent = 1139;
constexpr int kSliderToLoudest = 1140;
constexpr int kCopyShownValue = 1141;
constexpr int kPasteShownValue = 1142;
constexpr int kPlayFromRangeEnd = 1145;
constexpr int kSwitchOutOfRange = 1146;
constexpr int kTypeAgain = 1147;
constexpr int kAmendLanesLoudness = 1195;
constexpr int kAmendLanesPan = 1196;
constexpr int kSetLanesLoudness = 1210;
constexpr int kSetLanesPan = 1211;
constexpr int kSetMp3BitRate = 1218;
constexpr int kSetMp3SampleRate = 1219;
constexpr int kReportCut = 1233;
constexpr int kReportCopy = 1234;
constexpr int kReportDelete = 1235;
constexpr int kReportClearAll = 1236;
constexpr int kReportSelectAll = 1237;
constexpr int kReportHide = 1238;
constexpr int kReportInformation = 1239;
constexpr int kReportPaste = 1240;
constexpr int kFitRangeToBalls = 1248;
// Sound files and information, in the lane, ball, lane strip and room menus.
constexpr int kEditSoundFile = 1065;
constexpr int kOpenSoundFile = 1066;
constexpr int kOpenSoundFileWith = 1067;
constexpr int kShowSoundFileInFolder = 1068;
constexpr int kCopySoundFileName = 1069;
constexpr int kPasteSoundFileName = 1070;
constexpr int kSoundFileInfo = 1072;
constexpr int kObjectInfo = 1077;
constexpr int kReloadSoundFile = 1090;
constexpr int kUnlinkSoundFile = 1091;
constexpr int kShowSoundFileProperties = 1227;
constexpr int kPasteSoundFileAsLane = 1242;

} // namespace cmd
