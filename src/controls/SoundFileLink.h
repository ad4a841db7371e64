// What the lane strip asks of the window when a lane needs a sound file.
#pragma once

#include <QString>

// The window implements it with the sound-file dialog; tests answer with a file of their own.
// UI thread only.
class SoundFileLink {
public:
    virtual ~SoundFileLink() = default;

    // The file the user chose, with the proposed one (empty: none) selected at first; empty when
    // none was chosen.
    virtual QString ChooseSoundFile(const QString& proposed) = 0;
    // The program's folder for sound files not found under their names (Resources/DefaultFolder).
    virtual QString DefaultResourcesFolder() const = 0;
};
