// The comma text of list-valued settings, as the settings file has always held it.
#include "texts/CommaText.h"

namespace {

bool isBlank(QChar c) {
    return c.unicode() <= u' ';
}

// Reads a quoted item starting at the opening quote; i ends after the closing quote.
QString readQuoted(const QString& text, qsizetype& i) {
    QString item;
    ++i;
    while (i < text.size()) {
        if (text[i] == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                item += u'"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        item += text[i++];
    }
    return item;
}

} // namespace

QStringList SplitCommaText(const QString& text) {
    QStringList items;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && isBlank(text[i]))
        ++i;
    while (i < size) {
        if (text[i] == u'"') {
            items.append(readQuoted(text, i));
        } else {
            const qsizetype start = i;
            while (i < size && !isBlank(text[i]) && text[i] != u',')
                ++i;
            items.append(text.mid(start, i - start));
        }
        while (i < size && isBlank(text[i]))
            ++i;
        if (i < size && text[i] == u',') {
            if (i + 1 == size)
                items.append(QString());
            ++i;
            while (i < size && isBlank(text[i]))
                ++i;
        }
    }
    return items;
}
