// The settings store on any text: every section and value read, then written out and read again.
#include "FuzzInput.h"
#include "support/WideMemIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TWideMemIniFile store{QString()};
    store.SetText(FuzzText(data, size));
    for (const QString& section : store.ReadSections()) {
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
