// A render's FLAC or Ogg Vorbis file, encoded by libsndfile from the mixer's samples.
#pragma once

#include <QString>

#include <cstdint>

struct sf_private_tag;

enum class SoundFileForm { Flac16, Flac24, Vorbis };

class SoundFileWriter {
public:
    SoundFileWriter() = default;
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    // The mixer's sample width the form is written from: 16-bit integers for 16-bit FLAC, which
    // keeps it sample for sample the 16-bit WAV render; floats for the others.
    static uint32_t MixerBits(SoundFileForm form);

    // Starts the file on `descriptor`, which stays open and the caller's. False with Error().
    bool Open(int descriptor, SoundFileForm form, int32_t rate, uint32_t tracks);
    // Whole frames of interleaved samples in the MixerBits width.
    bool Write(const void* samples, int64_t frames);
    // Completes the file (its headers, the encoder's last pages). False with Error().
    bool Close();
    const QString& Error() const { return m_error; }

private:
    bool failed();

    sf_private_tag* m_file = nullptr;
    bool m_floats = false;
    QString m_error;
};
