#include "support/ClipboardLine.h"

#include <algorithm>

QString FirstLine(const QString& text) {
    const QString trimmed = text.trimmed();
    const auto end = std::find_if(trimmed.cbegin(), trimmed.cend(), [](QChar c) {
        return c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    return trimmed.left(end - trimmed.cbegin()).trimmed();
}

QString FirstCleanLine(const QString& text) {
    QString line = FirstLine(text);
    // A tab between two words keeps them apart.
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return line.trimmed();
}
