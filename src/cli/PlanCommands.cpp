// Dump and convert, for scripts and tests: what the plan files library gives, as messages and
// exit codes.
#include "cli/PlanCommands.h"

#include "cli/CommandLine.h"
#include "planfile/PlanConversion.h"

#include <ostream>

namespace {

// What the load had to say goes to the error stream either way.
bool reportLoad(const ConvertedPlan& converted, const QString& planPath, std::ostream& err) {
    if (!converted.loaded)
        err << "glorinbax: cannot read the plan \"" << planPath.toStdString() << "\"\n";
    if (!converted.loadMessages.isEmpty())
        err << converted.loadMessages.toStdString() << "\n";
    return converted.loaded;
}

} // namespace

std::optional<int32_t> PlanFormatForWord(const QString& word) {
    if (word == QLatin1String("binary"))
        return kFormatBinary;
    if (word == QLatin1String("text"))
        return kFormatText;
    if (word == QLatin1String("balls"))
        return kFormatBallSections;
    return std::nullopt;
}

int DumpPlan(const QString& planPath, std::ostream& out, std::ostream& err,
             const PlanFileSettings& settings) {
    const ConvertedPlan converted = ConvertPlanFile(planPath, kFormatText, settings);
    if (!reportLoad(converted, planPath, err))
        return kExitFailed;
    const QByteArray& bytes = converted.image.bytes;
    out.write(bytes.constData(), bytes.size());
    out.flush();
    return out ? kExitOk : kExitFailed;
}

int ConvertPlan(const QString& inPath, const QString& outPath, int32_t format, std::ostream& err,
                const PlanFileSettings& settings) {
    const ConvertedPlan converted = ConvertPlanFile(inPath, format, settings);
    if (!reportLoad(converted, inPath, err))
        return kExitFailed;
    for (const QString& value : converted.image.cutValues)
        err << "glorinbax: " << value.toStdString() << " cut to 65535 characters\n";
    const QString fault = WriteFileReplacing(outPath, converted.image.bytes);
    if (!fault.isEmpty()) {
        err << "glorinbax: " << fault.toStdString() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}
