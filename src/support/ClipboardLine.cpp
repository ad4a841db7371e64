#include "support/ClipboardLine.h"

QString FirstCleanLine(const QString& text) {
    const QString trimmed = text.trimmed();
    QString line;
    for (const QChar c : trimmed) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            break;
        // A tab between two words keeps them apart.
        line += c.category() == QChar::Other_Control ? QChar(u' ') : c;
    }
    return line.trimmed();
}
