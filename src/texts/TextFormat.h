// Texts with arguments, and the list of every text number the program uses.
//
// A text takes its arguments through the placeholders {1}, {2}, ... ("{" and "}" do
// not clash with the escape language, where "%" followed by digits is a text reference).
#pragma once

#include <QString>
#include <QStringList>

#include <span>

struct TextUse {
    int number;
    int arguments;           // how many placeholders the text holds: {1} .. {arguments}
    bool mayBeEmpty = false; // an empty entry is a valid translation
};

// Every text number that the program reads, in ascending order.
std::span<const TextUse> TextUses();
// The argument count of text n; 0 for texts without arguments and for unused numbers.
int TextArgumentCount(int n);

// Replaces {k} by args[k - 1] in one pass; other braces stay as written.
QString FillArguments(const QString& pattern, const QStringList& args);
// Text n filled with args. A call whose argument count does not fit the text's is
// a program fault: it is logged and the text is filled as far as it goes.
QString FormatText(int n, const QStringList& args);
