// Loading and saving whole plans: picking the form, finishing a load, saving safely.
#pragma once

#include "planfile/PlanImage.h"
#include "planfile/PlanReadContext.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class Arrangement;

// The program's settings that plan files depend on.
struct PlanFileSettings {
    QString defaultResourcesFolder; // Resources/DefaultFolder
};

// Save formats; FileFormat also uses 0 (oldest text form) and 3 (text version 1).
enum PlanFormat : int32_t {
    kFormatOldest = 0,
    kFormatBallSections = 1,
    kFormatText = 2,
    kFormatTextVersion1 = 3,
    kFormatBinary = 4,
};

// Reads a plan file of any form into an arrangement whose lane and ball lists are empty, then
// finishes the load. False when the file could not be read at all or is no plan (load message
// text 198), when a binary file has a format fault, or when a text file holds a ball that cannot
// be placed. A file that is no plan leaves the plan untitled, so that no keep writes over it.
bool LoadPlan(Arrangement& arrangement, const QString& fileName, const PlanFileSettings& settings);

enum class ImageReading {
    Read,
    Faulty,  // read as far as it made sense; the load messages say why it stopped
    NotAPlan // nothing was read: neither the binary magic nor the sections of a text plan
};
// Reading alone, from a file image: binary when it begins with the magic, else text.
ImageReading ReadPlanImage(Arrangement& arrangement, const QByteArray& image,
                           const PlanReadContext& context);
// Derives End, places the range flags, notes the loaded loudness and time, and restarts the output
// when the element rate differs from the one before the load.
void FinishLoad(Arrangement& arrangement, int32_t previousElementRate);

// The file image of a save format; the text forms stand in for 0 and 3, which have no writer
// of their own. None for any other number.
std::optional<PlanImage> PlanImageFor(const Arrangement& arrangement, int32_t format);
// Writes the plan in a format to the file, or to a fresh copy beside it. The file is replaced
// only once the new one is complete on disk; on failure the old one is untouched, the fault is
// reported and the answer is false. The name written to is given back.
bool SavePlan(Arrangement& arrangement, const QString& fileName, int32_t format, bool asCopy,
              QString* writtenTo = nullptr);
// Replaces a file by the bytes safely (see SavePlan); the fault's text, empty on success.
QString WriteFileReplacing(const QString& fileName, const QByteArray& bytes);
// The name of a saved copy: the name without its extension, "_", text 94 and ".skw"; "_" and a
// number are added while such a file exists.
QString CopyFileName(const QString& fileName);
