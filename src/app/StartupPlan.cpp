// New plan, plan file or sound file at start-up.
#include "app/StartupPlan.h"

#include "commands/BallPlacing.h"
#include "commands/PlanOpening.h"
#include "model/Arrangement.h"
#include "model/LaneEdits.h"
#include "planfile/PlanOperations.h"
#include "support/Report.h"

#include <QFileInfo>

StartupFileKind StartupFileKindOf(const QString& file) {
    if (file.isEmpty())
        return StartupFileKind::None;
    return NamesPlanFile(file) ? StartupFileKind::Plan : StartupFileKind::Sound;
}

void PlaceSoundAtOrigin(Arrangement& arrangement, const QString& soundFile,
                        const QString& defaultResourcesFolder) {
    const QFileInfo info(soundFile);
    // A file that cannot be decoded has its report line and gets no lane.
    if (!AddLaneWithSoundFile(arrangement, 0, soundFile,
                              {info.absolutePath(), QString(), defaultResourcesFolder}))
        return;
    // The ball sounds its lane's file.
    PlaceBall(arrangement, arrangement.room.OffsetX, arrangement.room.OffsetY, false, nullptr,
              nullptr);
}

StartupOpening OpenStartupFile(Arrangement& arrangement, const QString& file,
                               const PlanFileSettings& settings, bool rollOnStartup) {
    StartupOpening opening;
    switch (StartupFileKindOf(file)) {
    case StartupFileKind::None:
        StartNewPlan(arrangement);
        break;
    case StartupFileKind::Plan: {
        StartNewPlan(arrangement);
        const QString fullName = QFileInfo(file).absoluteFilePath();
        arrangement.plan.FileName = fullName;
        opening.loaded = LoadPlan(arrangement, fullName, settings);
        if (!opening.loaded)
            Report(fullName, arrangement.plan.LoadMessages, true);
        opening.roll = rollOnStartup;
        break;
    }
    case StartupFileKind::Sound:
        StartNewPlan(arrangement);
        PlaceSoundAtOrigin(arrangement, file, settings.defaultResourcesFolder);
        opening.roll = true;
        break;
    }
    return opening;
}
