// A sound-file chooser that answers with the test's file and counts how often it was asked.
#pragma once

#include "controls/SoundFileLink.h"

class ChosenSoundFile : public SoundFileLink {
public:
    QString ChooseSoundFile(const QString& proposed) override {
        ++asked;
        this->proposed = proposed;
        return answer;
    }
    QString DefaultResourcesFolder() const override { return {}; }

    QString answer; // empty: the user chose nothing
    int asked = 0;
    QString proposed; // at the last question
};
