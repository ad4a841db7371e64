#include "audio/UnderrunReport.h"

#include "support/Report.h"
#include "texts/TextFormat.h"

namespace {

constexpr int kTextUnderruns = 351;

} // namespace

void UnderrunReport::Tick(uint64_t count) {
    if (count < m_last)
        m_last = 0;
    if (count > m_last) {
        m_burst += count - m_last;
        m_last = count;
        m_quiet = 0;
    } else if (m_burst > 0) {
        ++m_quiet;
    }
    if (m_burst == 0)
        return;
    if (m_quiet >= kQuietTicks || ++m_length >= kLongestTicks)
        report();
}

void UnderrunReport::report() {
    Report(QString(), FormatText(kTextUnderruns, {QString::number(m_burst)}), false);
    m_burst = 0;
    m_quiet = 0;
    m_length = 0;
}
