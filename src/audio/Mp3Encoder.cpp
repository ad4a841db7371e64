// Loading the encoder library, resolving its calls and driving one stream.
#include "audio/Mp3Encoder.h"

#include "support/LibraryLoader.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <dlfcn.h>

#include <algorithm>

namespace {

constexpr int kTextEncoderNotLoaded = 358;
constexpr int kTextEncoderNotStarted = 359;
const QString kDefaultEncoder = QStringLiteral("libgbxlame.so");

QString quoted(const QString& text) {
    return '"' + text + '"';
}

template <class Call> bool resolve(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

} // namespace

Mp3Encoder::~Mp3Encoder() {
    Close();
}

bool Mp3Encoder::Open(const QString& libraryPath, const EncoderRecordBytes& record,
                      const QString& fileName) {
    QString error;
    m_library = LoadLibraryFallback(libraryPath, kDefaultEncoder, error);
    if (!m_library) {
        Report(quoted(libraryPath), Text(kTextEncoderNotLoaded) + ' ' + error, true);
        return false;
    }
    const struct {
        const char* name;
        bool found;
    } calls[] = {{"beInitStream", resolve(m_library, "beInitStream", m_init)},
                 {"beEncodeChunk", resolve(m_library, "beEncodeChunk", m_encode)},
                 {"beDeinitStream", resolve(m_library, "beDeinitStream", m_deinit)},
                 {"beCloseStream", resolve(m_library, "beCloseStream", m_close)}};
    for (const auto& call : calls) {
        if (!call.found) {
            Report(quoted(libraryPath), Text(kTextEncoderNotLoaded) + ' ' + call.name, true);
            Close();
            return false;
        }
    }
    resolve(m_library, "beGetInfoTag", m_infoTag); // ours has it; other encoders may not
    const uint32_t result = m_init(record.data(), &m_chunkSamples, &m_outputBytes, &m_stream);
    // A stream that takes no samples or gives no room for output could never finish.
    if (result != 0 || m_stream == 0 || m_chunkSamples == 0 || m_outputBytes == 0) {
        Report(quoted(fileName), Text(kTextEncoderNotStarted) + ' ' + QString::number(result),
               true);
        Close();
        return false;
    }
    m_output.reserve(m_outputBytes);
    return true;
}

uint32_t Mp3Encoder::took(uint32_t result, uint32_t written) {
    m_output.resize(result == 0 ? std::min(written, m_outputBytes) : 0);
    return result;
}

uint32_t Mp3Encoder::Encode(const int16_t* pcm, uint32_t samples) {
    m_output.resize(m_outputBytes);
    uint32_t written = 0;
    const uint32_t result = m_encode(m_stream, samples, pcm, m_output.data(), &written);
    return took(result, written);
}

uint32_t Mp3Encoder::Flush() {
    m_output.resize(m_outputBytes);
    uint32_t written = 0;
    const uint32_t result = m_deinit(m_stream, m_output.data(), &written);
    return took(result, written);
}

bool Mp3Encoder::InfoTag() {
    if (!m_infoTag)
        return false;
    m_output.resize(m_outputBytes);
    uint32_t written = 0;
    const uint32_t result = m_infoTag(m_stream, m_output.data(), &written);
    return took(result, written) == 0 && written > 0;
}

void Mp3Encoder::Close() {
    if (m_stream != 0)
        m_close(m_stream);
    m_stream = 0;
    if (m_library)
        dlclose(m_library);
    m_library = nullptr;
    m_init = nullptr;
    m_encode = nullptr;
    m_deinit = nullptr;
    m_close = nullptr;
    m_infoTag = nullptr;
}
