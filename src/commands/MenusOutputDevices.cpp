#include "commands/MenusOutputDevices.h"

#include "audio/BassApi.h"

OutputDeviceList ReadOutputDevices() {
    OutputDeviceList list;
    if (!BassLoaded())
        return list;
    BASS_DEVICEINFO info{};
    int number = 1;
    for (; Bass().BASS_GetDeviceInfo(static_cast<DWORD>(number), &info); ++number)
        // The default device has an item of its own.
        if (!(info.flags & BASS_DEVICE_DEFAULT))
            list.devices.push_back({number, QString::fromUtf8(info.name)});
    list.firstMissing = number;
    return list;
}
