// Saturdays get one name; small plans a plain one; the rest a random pairing.
#include "texts/PlanNames.h"

#include <QRandomGenerator>

namespace {

constexpr int kSaturday = 6;
constexpr int kBallsOfASimplePlan = 8;

template <std::size_t N>
QString draw(const std::array<const char*, N>& words, const RandomBelow& random) {
    return QString::fromUtf8(words[std::size_t(random(int(N)))]);
}

} // namespace

QString RandomPlanName(int ballCount, const QDate& today, const RandomBelow& random) {
    if (today.dayOfWeek() == kSaturday)
        return "I Don't Roll on Shabbos";
    if (ballCount < kBallsOfASimplePlan)
        return draw(SimplePlanNames, random);
    const int r = random(17);
    if (r < 10) {
        const QString adjective = draw(PlanNameAdjectives, random);
        return adjective + ' ' + draw(PlanNameNouns, random);
    }
    if (r < 15)
        return draw(PlanNameAdjectives, random);
    return draw(PlanNamePhrases, random);
}

QString RandomPlanName(int ballCount) {
    return RandomPlanName(ballCount, QDate::currentDate(),
                          [](int n) { return int(QRandomGenerator::global()->bounded(n)); });
}
