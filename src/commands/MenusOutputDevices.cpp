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
            list.devices.push_back({number, OutputDeviceTitle(QString::fromUtf8(info.name),
                                                              QString::fromUtf8(info.driver))});
    list.firstMissing = number;
    return list;
}

QString OutputDeviceTitle(const QString& name, const QString& soundSystem) {
    QString shown = name;
    if (soundSystem == QLatin1String("ALSA")) {
        if (name == QLatin1String("pulse"))
            shown = QStringLiteral("PulseAudio");
        else if (name == QLatin1String("pipewire"))
            shown = QStringLiteral("PipeWire");
    }
    return soundSystem.isEmpty() ? shown : QStringLiteral("%1 (%2)").arg(shown, soundSystem);
}
