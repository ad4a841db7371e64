// Plan loading and saving.
#include "planfile/PlanOperations.h"

#include "model/Arrangement.h"
#include "planfile/BinaryPlanReader.h"
#include "planfile/BinaryPlanWriter.h"
#include "planfile/LoadMessages.h"
#include "planfile/PlanDefaults.h"
#include "planfile/PlanRecognition.h"
#include "planfile/PlanTags.h"
#include "planfile/TextPlanReader.h"
#include "planfile/TextPlanWriter.h"
#include "support/Report.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace {

// Save failures are titled with the kind of fault, as faults of other operations are.
const QString kWriteFaultKind = QStringLiteral("PlanWriteError");

} // namespace

QString WriteFileReplacing(const QString& fileName, const QByteArray& bytes) {
    // A temporary file beside the target, flushed to disk, then renamed over it.
    QSaveFile file(fileName);
    const auto fault = [&](const char* what) {
        return QStringLiteral("%1 \"%2\": %3")
            .arg(QLatin1String(what), fileName, file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly))
        return fault("Cannot create");
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fault("Cannot write");
    if (::fsync(file.handle()) != 0)
        return fault("Cannot flush to disk");
    if (!file.commit())
        return fault("Cannot replace");
    return {};
}

ImageReading ReadPlanImage(Arrangement& arrangement, const QByteArray& image,
                           const PlanReadContext& context) {
    const auto reading = [](bool read) { return read ? ImageReading::Read : ImageReading::Faulty; };
    if (image.startsWith(QByteArray(plantag::kMagic, plantag::kMagicSize))) {
        arrangement.plan.FileFormat = kFormatBinary;
        return reading(ReadBinaryPlan(arrangement, image, context));
    }
    TWideMemIniFile ini{QString()};
    ini.SetText(QString::fromUtf8(image));
    if (!HoldsTextPlan(ini))
        return ImageReading::NotAPlan;
    return reading(ReadTextPlan(arrangement, ini, image, context));
}

bool LoadPlan(Arrangement& arrangement, const QString& fileName, const PlanFileSettings& settings) {
    TThePlan& plan = arrangement.plan;
    plan.LoadMessages.clear();
    const int32_t previousElementRate = plan.ElementRate.Value();
    plan.FileFormat = kFormatOldest;

    QFile file(fileName);
    const QByteArray image = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const PlanReadContext context{QFileInfo(fileName).absolutePath(),
                                  settings.defaultResourcesFolder};
    const ImageReading reading =
        image.isEmpty() ? ImageReading::NotAPlan : ReadPlanImage(arrangement, image, context);
    if (reading == ImageReading::NotAPlan) {
        // A file with content is kept from the next keep; a missing or empty one may be made.
        if (!image.isEmpty())
            plan.Untitled = true;
        plan.LoadMessages = Text(198);
        StartFromDefaults(arrangement);
        FinishLoad(arrangement, previousElementRate);
        return false;
    }
    plan.Untitled = false;
    FinishLoad(arrangement, previousElementRate);
    return reading == ImageReading::Read;
}

void FinishLoad(Arrangement& arrangement, int32_t previousElementRate) {
    TThePlan& plan = arrangement.plan;
    TRoomState& room = arrangement.room;
    if (plan.ElementRate.Value() != previousElementRate)
        arrangement.audio.ReinitOutput(plan.ElementRate.Value());
    if (plan.End.count == 0)
        plan.End = plan.Timing().StartOfStep(plan.Frames.Value());
    room.StartFlag().Position = plan.Start;
    room.EndFlag().Position = plan.End;
    room.RecomputeFlagPixels();
    room.PlaceStartEndCaptions();
    plan.LoadedMasterLoudness = plan.MasterLoudness.Value();
    plan.LoadTime = QDateTime::currentDateTime();
    arrangement.window.TitleChanged();
}

std::optional<PlanImage> PlanImageFor(const Arrangement& arrangement, int32_t format) {
    switch (format) {
    case kFormatBinary:
        return WriteBinaryPlan(arrangement);
    case kFormatOldest:
    case kFormatText:
    case kFormatTextVersion1:
        return WriteTextPlan(arrangement, TextPlanScope::Whole);
    case kFormatBallSections:
        return WriteTextPlan(arrangement, TextPlanScope::BallsOnly);
    default:
        return std::nullopt;
    }
}

QString CopyFileName(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString stem = info.dir().filePath(info.completeBaseName()) + QLatin1Char('_') + Text(94);
    QString candidate = stem + QStringLiteral(".skw");
    for (int number = 1; QFileInfo::exists(candidate); ++number)
        candidate = stem + QStringLiteral("_%1.skw").arg(number);
    return candidate;
}

bool SavePlan(Arrangement& arrangement, const QString& fileName, int32_t format, bool asCopy,
              QString* writtenTo) {
    const QString target = asCopy ? CopyFileName(fileName) : fileName;
    QString fault;
    if (const std::optional<PlanImage> image = PlanImageFor(arrangement, format)) {
        for (const QString& value : image->cutValues)
            Report(target, value + QStringLiteral(": cut to 65535 characters"), true);
        fault = WriteFileReplacing(target, image->bytes);
    } else {
        fault = QStringLiteral("No plan form has the number %1").arg(format);
    }
    if (!fault.isEmpty()) {
        Report(GetText(361) + QStringLiteral(": ") + kWriteFaultKind, fault, true);
        return false;
    }
    if (writtenTo)
        *writtenTo = target;
    return true;
}
