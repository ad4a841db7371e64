// Locale-aware casing keeps, for instance, the dotted capital I of Turkish.
#include "texts/TextCase.h"

#include <QLocale>

QChar ChangeCase(QChar c, bool upper) {
    if (c.isSurrogate())
        return c;
    const QLocale locale;
    const QString changed = upper ? locale.toUpper(QString(c)) : locale.toLower(QString(c));
    if (changed.size() == 1)
        return changed[0];
    return upper ? c.toUpper() : c.toLower();
}

QString WithFirstUpper(QString text) {
    if (!text.isEmpty())
        text[0] = ChangeCase(text[0], true);
    return text;
}
