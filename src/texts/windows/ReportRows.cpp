#include "texts/windows/ReportRows.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int kMinSubjectWidth = 100;

} // namespace

QString CopiedRowsText(const std::vector<ReportRow>& rows, bool full) {
    QString text;
    for (const ReportRow& row : rows) {
        text += row.subject;
        if (full)
            text += QLatin1Char('\t') + row.text + QLatin1Char('\t') + row.time;
        text += QStringLiteral("\r\n");
    }
    return text;
}

std::vector<ReportRow> PastedRows(const QString& clipboard) {
    QStringList lines = clipboard.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (static_cast<std::size_t>(lines.size()) > kMaxPastedRows)
        lines.resize(static_cast<qsizetype>(kMaxPastedRows));
    std::vector<ReportRow> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList fields = line.split(QLatin1Char('\t'));
        rows.push_back({fields.value(0), fields.value(1), fields.value(2)});
    }
    return rows;
}

int SubjectColumnWidth(int clientWidth, int textWidth, int timeWidth, int scrollBarWidth) {
    return std::max(kMinSubjectWidth, clientWidth - textWidth - timeWidth - scrollBarWidth);
}
