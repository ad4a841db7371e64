// The settings store on any text: every section and value read, then written out and read again.
#include "FuzzInput.h"
#include "support/WideMemIniFile.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TWideMemIniFile store{QString()};
    store.SetText(FuzzText(data, size));
    // Each name once: a look-up finds the first section of a name, so reading every repeat of
    // it would only make the run quadratic in the input.
    QSet<QString> seen;
    for (const QString& section : store.ReadSections()) {
        const QString folded = section.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        for (const QString& key : store.ReadSection(section)) {
            store.ReadInteger(section, key, 0);
            store.ReadInt64(section, key, 0);
            store.ReadFloat(section, key, 0);
            store.ReadBool(section, key, false);
        }
        store.ReadSectionValues(section);
    }
    TWideMemIniFile again{QString()};
    again.SetText(store.Text());
    return 0;
}
