// Lanes and the room drawn again.
#include "app/SoundFileWindow.h"

#include "app/MainWindow.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"

void AttachSoundFileWindow(SoundFileLinks& links, TGlorinbaxMF& window) {
    links.refreshLane = [&window](const TLane& lane) {
        if (TTheLaneStrip* strip = TheLaneStripOf(window.Interior()))
            strip->RefreshLane(lane);
    };
    links.repaintRoom = [&window] {
        if (TTheRoom* room = TheRoomOf(window.Interior()))
            room->RepaintWhole();
    };
}
