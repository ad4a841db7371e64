// Recognising text plans by their sections and keys.
#include "planfile/PlanRecognition.h"

#include "planfile/PlanTags.h"
#include "support/WideMemIniFile.h"

namespace {

using namespace plantag;

// The keys a ball section of the oldest form may hold; one is enough to call it a plan.
constexpr Tag kBallTags[] = {X,        Y,      Hue,        Handle,   Life,      Loudness, Pan,
                             ResStart, ResEnd, RoundRobin, Resource, SrcTrack0, SrcTrack1};

bool IsBallKey(const QString& key) {
    for (const Tag tag : kBallTags)
        if (key.compare(QLatin1String(KeyOf(tag)), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

bool HoldsTextPlan(const TWideCustomIniFile& ini) {
    for (qsizetype i = 0; i < ini.SectionCount(); ++i) {
        const QString section = ini.SectionName(i);
        if (section.compare(QLatin1String("Main"), Qt::CaseInsensitive) == 0)
            return true;
        for (const QString& key : ini.ReadSection(section))
            if (IsBallKey(key))
                return true;
    }
    return false;
}
