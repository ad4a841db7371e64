#include "model/FormulaText.h"

#include "texts/Parlance.h"

namespace {

constexpr int kTextNotSet = 69;

} // namespace

QString FormulaTextOrNotSet(const std::string& text, const char* notSet) {
    const QString trimmed = QString::fromStdString(text).trimmed();
    return trimmed == QLatin1String(notSet) ? Text(kTextNotSet) : trimmed;
}
