// Exported calls: setting and removing syncs.
#include "ChannelCall.h"
#include "Engine.h"
#include "LastError.h"
#include "gbxaudio.h"

using namespace gbxaudio;

extern "C" {

DWORD BASS_ChannelSetSync(DWORD handle, DWORD type, QWORD param, SYNCPROC* proc, void* user) {
    return onChannel(handle, DWORD{0}, [&](const SharedChannel& channel) -> DWORD {
        if (!proc)
            return fail(BASS_ERROR_ILLPARAM, DWORD{0});
        const DWORD base = type & ~DWORD{BASS_SYNC_MIXTIME};
        if (base != BASS_SYNC_POS && base != BASS_SYNC_END)
            return fail(BASS_ERROR_ILLTYPE, DWORD{0});
        // A decoding channel is never heard: all its syncs run when its data is produced.
        const auto when = (type & BASS_SYNC_MIXTIME) || channel->isDecoding()
                              ? SyncList::When::Production
                              : SyncList::When::Heard;
        const auto kind = base == BASS_SYNC_END ? SyncList::Kind::End : SyncList::Kind::Position;
        const Handle sync =
            channel->addSync(when, kind, channel->format().framesFromBytes(param), proc, user);
        if (!sync)
            return fail(BASS_ERROR_HANDLE, DWORD{0});
        setLastError(BASS_OK);
        return sync;
    });
}

BOOL BASS_ChannelRemoveSync(DWORD handle, DWORD sync) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        if (!channel->syncs().remove(sync))
            return fail(BASS_ERROR_HANDLE, FALSE);
        setLastError(BASS_OK);
        return TRUE;
    });
}

} // extern "C"
