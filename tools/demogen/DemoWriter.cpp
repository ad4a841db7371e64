// Writes the whole demo into a folder.
#include "demogen/DemoWriter.h"

#include "demogen/DemoPlan.h"
#include "demogen/WavWriter.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"

#include <QDir>

QString WriteDemo(const QString& folder) {
    if (!QDir().mkpath(folder))
        return QStringLiteral("Cannot make the folder \"%1\"").arg(folder);
    const QDir dir(folder);
    const int64_t stepFrames = DemoStepFrames();
    std::array<int64_t, kDemoLaneCount> soundFrames{};
    for (int lane = 0; lane < kDemoLaneCount; ++lane) {
        const DemoInstrument& instrument = DemoInstruments()[lane];
        const StereoSound sound = instrument.make(stepFrames);
        const QString fault = WriteWav16(dir.filePath(instrument.file), sound);
        if (!fault.isEmpty())
            return fault;
        soundFrames[lane] = sound.frames();
    }

    Arrangement arrangement;
    BuildDemoPlan(arrangement, soundFrames, dir.absolutePath());
    // The plan goes last: the build takes it as the sign that the whole demo is there. The
    // fault comes back as text instead of going to the program's fault log.
    return WriteFileReplacing(dir.filePath(kDemoPlanFile),
                              PlanImageFor(arrangement, kFormatBinary)->bytes);
}
