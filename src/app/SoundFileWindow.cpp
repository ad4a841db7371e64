// Lanes and the room drawn again, and the plan row of the last context menu.
#include "app/SoundFileWindow.h"

#include "app/MainWindow.h"
#include "commands/Menus.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"

void AttachSoundFileWindow(SoundFileLinks& links, const SoundFileWindowParts& parts) {
    TGlorinbaxMF& window = parts.window;
    const ProgramMenus& menus = parts.menus;
    const Arrangement& arrangement = links.arrangement;
    links.popupRow = [&window, &menus, &arrangement] {
        const TCtrl* strip = window.Interior().Lanes;
        const int32_t y = window.mapFromGlobal(menus.PopupPosition()).y();
        return arrangement.lanes.RowAtPixel(y, strip ? strip->BoundsRect.Top : 0);
    };
    links.refreshLane = [&window](const TLane& lane) {
        if (TTheLaneStrip* strip = TheLaneStripOf(window.Interior()))
            strip->RefreshLane(lane);
    };
    links.repaintRoom = [&window] {
        if (TTheRoom* room = TheRoomOf(window.Interior()))
            room->RepaintWhole();
    };
}
