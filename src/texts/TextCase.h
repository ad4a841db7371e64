// Upper- and lower-casing one character the way the user's locale does.
#pragma once

#include <QChar>
#include <QString>

// Uses the default QLocale; a character whose case form is longer than one
// character (such as "ß") falls back to its simple Unicode case form.
QChar ChangeCase(QChar c, bool upper);

// The text with its first character upper-cased.
QString WithFirstUpper(QString text);
