// One left-to-right pass over the entry; positions are UTF-16 code units.
#include "texts/EscapeLanguage.h"

#include "texts/TextCase.h"
#include "texts/TextCounts.h"

#include <algorithm>

namespace {

struct Digits {
    qsizetype count = 0;
    qint64 value = 0;    // capped, so a long run of digits stays out of range
    char16_t code16 = 0; // the value truncated to 16 bits
};

Digits readDigits(const QString& s, qsizetype from) {
    constexpr qint64 kCap = 1'000'000'000;
    Digits d;
    for (qsizetype i = from; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
        const int digit = s[i].unicode() - u'0';
        d.value = std::min(kCap, d.value * 10 + digit);
        d.code16 = char16_t(d.code16 * 10 + digit);
        ++d.count;
    }
    return d;
}

} // namespace

QString ExpandReferences(const QString& entry, const TextLookup& text) {
    QString s = entry;
    qsizetype scan = 0;
    for (;;) {
        const qsizetype p = s.indexOf(u'%', scan);
        if (p < 0 || p + 1 >= s.size())
            break;
        const QChar kind = s[p + 1];
        if (kind == u'%') {
            s.remove(p, 1);
            scan = p + 1;
        } else if (kind == u'&' && p + 2 < s.size()) {
            const QChar c = s[p + 2];
            s.remove(p, 3);
            const qsizetype at = s.left(p).indexOf(c);
            if (at >= 0)
                s.insert(at, u'&');
            scan = at >= 0 ? p + 1 : p;
        } else if (kind == u'#') {
            const Digits d = readDigits(s, p + 2);
            if (d.count == 0) {
                s.remove(p, 2);
                scan = p;
            } else {
                s.replace(p, 2 + d.count, QChar(d.code16));
                scan = p + 1;
            }
        } else {
            const bool upper = kind == u'^';
            const bool lower = kind == u'_';
            const qsizetype digitsAt = upper || lower ? p + 2 : p + 1;
            const Digits d = readDigits(s, digitsAt);
            if (d.count == 0 || d.value < 1 || d.value > parlance::kTextCount) {
                scan = p + 1;
                continue;
            }
            const QString inserted = text(int(d.value));
            s.replace(p, digitsAt - p + d.count, inserted);
            if ((upper || lower) && p < s.size())
                s[p] = ChangeCase(s[p], upper);
            scan = p + inserted.size();
        }
    }
    return s;
}
