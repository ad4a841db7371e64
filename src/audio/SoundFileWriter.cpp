// Opening, feeding and completing a FLAC or Ogg Vorbis render through libsndfile.
#include "audio/SoundFileWriter.h"

#include <sndfile.h>

namespace {

int formatCode(SoundFileForm form) {
    switch (form) {
    case SoundFileForm::Flac16:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case SoundFileForm::Flac24:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
    case SoundFileForm::Vorbis:
        break;
    }
    return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
}

} // namespace

SoundFileWriter::~SoundFileWriter() {
    Close();
}

uint32_t SoundFileWriter::MixerBits(SoundFileForm form) {
    return form == SoundFileForm::Flac16 ? 16 : 32;
}

bool SoundFileWriter::Open(int descriptor, SoundFileForm form, int32_t rate, uint32_t tracks) {
    Close();
    m_error.clear();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = static_cast<int>(tracks);
    info.format = formatCode(form);
    m_file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_FALSE);
    if (!m_file) {
        m_error = QString::fromUtf8(sf_strerror(nullptr));
        return false;
    }
    m_floats = MixerBits(form) == 32;
    // Floats beyond full scale are cut at it, not wrapped round, in an integer file.
    sf_command(m_file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return true;
}

bool SoundFileWriter::Write(const void* samples, int64_t frames) {
    const sf_count_t written =
        m_floats ? sf_writef_float(m_file, static_cast<const float*>(samples), frames)
                 : sf_writef_short(m_file, static_cast<const short*>(samples), frames);
    return written == frames || failed();
}

bool SoundFileWriter::Close() {
    if (!m_file)
        return true;
    const int result = sf_close(m_file);
    m_file = nullptr;
    if (result != 0)
        m_error = QString::fromUtf8(sf_error_number(result));
    return result == 0;
}

bool SoundFileWriter::failed() {
    m_error = QString::fromUtf8(sf_strerror(m_file));
    return false;
}
