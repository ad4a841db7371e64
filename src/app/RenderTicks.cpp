// Backwards, so that removing a render leaves the ones still to visit in place.
#include "app/RenderTicks.h"

#include "model/MixerView.h"

bool TickRenders(MixerView& mixer) {
    for (int i = mixer.RenderCount() - 1; i >= 0; --i) {
        if (mixer.RenderActive(i))
            mixer.RenderTick(i);
        else
            mixer.RemoveRender(i);
    }
    return mixer.RenderCount() > 0;
}
