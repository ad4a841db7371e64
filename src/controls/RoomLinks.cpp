// The makers of the room and the ruler.
#include "controls/RoomLinks.h"

#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"

void AddRoomAndRuler(ControlMakers& makers, const RoomLinks& links) {
    makers.ruler = [links](TCtrlList& list) -> TCtrl& { return list.Create<TTheRuler>(links); };
    makers.room = [links](TCtrlList& list) -> TCtrl& { return list.Create<TTheRoom>(links); };
}
