// The English language files loaded for a test's life.
#pragma once

#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

struct EnglishTexts {
    EnglishTexts() {
        FreeParlance();
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(settings, QStringLiteral(GBX_SOURCE_DIR "/data/"));
    }
    ~EnglishTexts() { FreeParlance(); }
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;
};
