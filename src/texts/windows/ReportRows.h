// The report's rows as clipboard text, both ways.
#pragma once

#include <QString>

#include <cstddef>
#include <vector>

struct ReportRow {
    QString subject;
    QString text;
    QString time;
};

// More pasted lines than this are left out: a paste must not freeze the window.
constexpr std::size_t kMaxPastedRows = 10000;

// Each row on a line ending in CR LF: the subject, or with `full` the subject, text and time
// joined by TABs.
QString CopiedRowsText(const std::vector<ReportRow>& rows, bool full);
// The rows of a clipboard text, one per line in the text's order, each line split at TABs; a
// final line break makes no empty row.
std::vector<ReportRow> PastedRows(const QString& clipboard);
// The subject column fills what the other two and the scroll bar leave, never below 100 pixels.
int SubjectColumnWidth(int clientWidth, int textWidth, int timeWidth, int scrollBarWidth);
