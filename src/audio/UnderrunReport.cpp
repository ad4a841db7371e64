#include "audio/UnderrunReport.h"

#include "support/Report.h"
#include "texts/TextFormat.h"

namespace {

constexpr int kTextUnderruns = 351;

} // namespace

void UnderrunReport::Tick(uint64_t count) {
    if (count < m_last) {
        m_last = count;
        m_burst = 0;
        return;
    }
    if (count > m_last) {
        m_burst += count - m_last;
        m_last = count;
        return;
    }
    if (m_burst == 0)
        return;
    Report(QString(), FormatText(kTextUnderruns, {QString::number(m_burst)}), false);
    m_burst = 0;
}
