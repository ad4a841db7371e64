// What the room and the ruler are made with: the plan and the parts of the program they talk to.
#pragma once

#include "controls/RoomSettings.h"

class Arrangement;
class BallLink;
class MenuLink;
class MixerView;
class TransportLink;
class WatchLink;

// Everything referenced outlives the controls.
struct RoomLinks {
    Arrangement& arrangement;
    MixerView& mixer;
    TransportLink& transport;
    WatchLink& watch;
    MenuLink& menus;
    RoomSettings settings;
    BallLink& balls;
};

struct ControlMakers;
// Sets the makers of the ruler and the room.
void AddRoomAndRuler(ControlMakers& makers, const RoomLinks& links);
