// Dump and convert, for scripts and tests.
#include "planfile/PlanConversion.h"

#include "model/Arrangement.h"

#include <ostream>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitBadArguments = 2;

// Loads the plan; what the load had to say goes to the error stream either way.
bool LoadForCommand(Arrangement& arrangement, const QString& planPath, std::ostream& err,
                    const PlanFileSettings& settings) {
    arrangement.plan.FileName = planPath;
    const bool loaded = LoadPlan(arrangement, planPath, settings);
    if (!loaded)
        err << "glorinbax: cannot read the plan \"" << planPath.toStdString() << "\"\n";
    const QString messages = arrangement.plan.LoadMessages.trimmed();
    if (!messages.isEmpty())
        err << messages.toStdString() << "\n";
    return loaded;
}

} // namespace

int DumpPlan(const QString& planPath, std::ostream& out, std::ostream& err,
             const PlanFileSettings& settings) {
    Arrangement arrangement;
    if (!LoadForCommand(arrangement, planPath, err, settings))
        return kExitFailed;
    const QByteArray bytes = PlanImageFor(arrangement, kFormatText)->bytes;
    out.write(bytes.constData(), bytes.size());
    out.flush();
    return out ? kExitOk : kExitFailed;
}

int ConvertPlan(const QString& inPath, const QString& outPath, const QString& format,
                std::ostream& err, const PlanFileSettings& settings) {
    int32_t number = 0;
    if (format == QLatin1String("binary"))
        number = kFormatBinary;
    else if (format == QLatin1String("text"))
        number = kFormatText;
    else if (format == QLatin1String("balls"))
        number = kFormatBallSections;
    else {
        err << "glorinbax: --format takes binary, text or balls, not '" << format.toStdString()
            << "'\n";
        return kExitBadArguments;
    }
    if (inPath.isEmpty() || outPath.isEmpty()) {
        err << "glorinbax: --convert takes a plan to read and a file to write\n";
        return kExitBadArguments;
    }
    Arrangement arrangement;
    if (!LoadForCommand(arrangement, inPath, err, settings))
        return kExitFailed;
    const PlanImage image = *PlanImageFor(arrangement, number);
    for (const QString& value : image.cutValues)
        err << "glorinbax: " << value.toStdString() << " cut to 65535 characters\n";
    const QString fault = WriteFileReplacing(outPath, image.bytes);
    if (!fault.isEmpty()) {
        err << "glorinbax: " << fault.toStdString() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}
