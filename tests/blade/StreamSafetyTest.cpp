// Records, handles and calls the encoder library must refuse, and streams that run side by side.
#include "Mp3TestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <functional>
#include <string>

using namespace mp3test;

namespace {

struct RecordCase {
    std::string name;
    std::function<void(GbxLameConfig&)> change;
    uint32_t expected;
};

uint32_t openAndClose(const GbxLameConfig& record) {
    uint32_t chunk = 0, bytes = 0, stream = 99;
    const uint32_t result = beInitStream(&record, &chunk, &bytes, &stream);
    if (result == 0)
        EXPECT_EQ(beCloseStream(stream), 0u);
    else
        EXPECT_EQ(stream, 0u) << "a refused record leaves no handle";
    return result;
}

} // namespace

TEST(BladeStreamSafety, RecordsAreReadOrRefusedFieldByField) {
    const std::vector<RecordCase> cases{
        {"wrong kind", [](auto& r) { r.kind = 1; }, GBXLAME_BAD_RECORD},
        {"zero-filled kind", [](auto& r) { r.kind = 0; }, GBXLAME_BAD_RECORD},
        {"wrong version", [](auto& r) { r.version = 2; }, GBXLAME_BAD_RECORD},
        {"wrong size", [](auto& r) { r.size = 330; }, GBXLAME_BAD_RECORD},
        {"no input rate", [](auto& r) { r.inputRate = 0; }, GBXLAME_BAD_SETTING},
        {"negative input rate", [](auto& r) { r.inputRate = -44100; }, GBXLAME_BAD_SETTING},
        {"absurd input rate", [](auto& r) { r.inputRate = 10'000'000; }, GBXLAME_BAD_SETTING},
        {"non-MPEG output rate", [](auto& r) { r.outputRate = 44000; }, GBXLAME_BAD_SETTING},
        {"unknown mode", [](auto& r) { r.mode = 4; }, GBXLAME_BAD_SETTING},
        {"bit rate too high", [](auto& r) { r.bitRate = 1000; }, GBXLAME_BAD_SETTING},
        {"bit rate too low", [](auto& r) { r.bitRate = 4; }, GBXLAME_BAD_SETTING},
        {"negative bit rate", [](auto& r) { r.bitRate = -1; }, GBXLAME_BAD_SETTING},
        {"a preset", [](auto& r) { r.preset = 1001; }, GBXLAME_BAD_SETTING},
        {"quality 10", [](auto& r) { r.quality = 10; }, GBXLAME_BAD_SETTING},
        {"VBR quality 12", [](auto& r) { r.enableVbr = -1, r.vbrQuality = 12; },
         GBXLAME_BAD_SETTING},
        {"VBR minimum above maximum",
         [](auto& r) { r.enableVbr = -1, r.bitRate = 256, r.maxBitRate = 128; },
         GBXLAME_BAD_SETTING},
        {"VBR maximum absurd", [](auto& r) { r.enableVbr = -1, r.maxBitRate = 999; },
         GBXLAME_BAD_SETTING},
        {"unknown VBR method", [](auto& r) { r.enableVbr = -1, r.vbrMethod = 9; },
         GBXLAME_BAD_SETTING},
        {"ABR without a rate", [](auto& r) { r.enableVbr = -1, r.vbrMethod = GBXLAME_VBR_ABR; },
         GBXLAME_BAD_SETTING},
        {"plain stereo", [](auto& r) { r.mode = GBXLAME_MODE_STEREO; }, GBXLAME_OK},
        {"dual channel", [](auto& r) { r.mode = GBXLAME_MODE_DUAL_CHANNEL; }, GBXLAME_OK},
        {"encoder's bit rate", [](auto& r) { r.bitRate = 0; }, GBXLAME_OK},
        {"odd input rate", [](auto& r) { r.inputRate = 37000, r.outputRate = 0; }, GBXLAME_OK},
        {"ABR at 128",
         [](auto& r) { r.enableVbr = -1, r.vbrMethod = GBXLAME_VBR_ABR, r.abrBitRate = 128; },
         GBXLAME_OK},
        {"header bits",
         [](auto& r) { r.crc = -1, r.privateBit = -1, r.strictIso = -1, r.noReservoir = -1; },
         GBXLAME_OK},
    };
    for (const RecordCase& c : cases) {
        GbxLameConfig record = cbrRecord(44100, 320);
        c.change(record);
        EXPECT_EQ(openAndClose(record), c.expected) << c.name;
    }

    const GbxLameConfig record = cbrRecord(44100, 320);
    uint32_t chunk = 0, bytes = 0, stream = 0;
    EXPECT_EQ(beInitStream(nullptr, &chunk, &bytes, &stream), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(beInitStream(&record, nullptr, &bytes, &stream), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(beInitStream(&record, &chunk, &bytes, nullptr), uint32_t{GBXLAME_BAD_ARGUMENT});
}

TEST(BladeStreamSafety, BadHandlesArgumentsAndOrderAreRefused) {
    const GbxLameConfig record = cbrRecord(44100, 128);
    uint32_t chunk = 0, bytes = 0, stream = 0, written = 0;
    ASSERT_EQ(beInitStream(&record, &chunk, &bytes, &stream), 0u);
    std::vector<uint8_t> out(bytes);
    std::vector<int16_t> pcm(chunk + 2, 0);

    for (uint32_t bad : {0u, stream + 1000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(beEncodeChunk(bad, 2, pcm.data(), out.data(), &written),
                  uint32_t{GBXLAME_BAD_HANDLE});
        EXPECT_EQ(beDeinitStream(bad, out.data(), &written), uint32_t{GBXLAME_BAD_HANDLE});
        EXPECT_EQ(beGetInfoTag(bad, out.data(), &written), uint32_t{GBXLAME_BAD_HANDLE});
        EXPECT_EQ(beCloseStream(bad), uint32_t{GBXLAME_BAD_HANDLE});
    }
    const auto encode = [&](uint32_t samples, const int16_t* in, uint8_t* to, uint32_t* done) {
        return beEncodeChunk(stream, samples, in, to, done);
    };
    // A failed read reported as 0xFFFFFFFF bytes must not be taken as a sample count.
    EXPECT_EQ(encode(0x7FFFFFFF, pcm.data(), out.data(), &written), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(encode(chunk + 2, pcm.data(), out.data(), &written), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(encode(3, pcm.data(), out.data(), &written), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(encode(2, nullptr, out.data(), &written), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(encode(2, pcm.data(), nullptr, &written), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(encode(2, pcm.data(), out.data(), nullptr), uint32_t{GBXLAME_BAD_ARGUMENT});
    EXPECT_EQ(encode(chunk, pcm.data(), out.data(), &written), 0u) << "still usable";

    EXPECT_EQ(beGetInfoTag(stream, out.data(), &written), uint32_t{GBXLAME_WRONG_ORDER});
    EXPECT_EQ(beDeinitStream(stream, out.data(), &written), 0u);
    EXPECT_EQ(beDeinitStream(stream, out.data(), &written), uint32_t{GBXLAME_WRONG_ORDER});
    EXPECT_EQ(encode(2, pcm.data(), out.data(), &written), uint32_t{GBXLAME_WRONG_ORDER});
    EXPECT_EQ(beCloseStream(stream), 0u);
    EXPECT_EQ(beCloseStream(stream), uint32_t{GBXLAME_BAD_HANDLE});
    EXPECT_EQ(beDeinitStream(stream, out.data(), &written), uint32_t{GBXLAME_BAD_HANDLE});
}

TEST(BladeStreamSafety, StreamsSideBySideMatchStreamsAlone) {
    GbxLameConfig monoRecord = vbrRecord(48000, 0, 320, 4);
    monoRecord.mode = GBXLAME_MODE_MONO;
    const GbxLameConfig stereoRecord = cbrRecord(44100, 192);
    const auto monoPcm = music(1, 150000, 48000);
    const auto stereoPcm = music(2, 140000, 44100);

    Mp3Writer mono(monoRecord);
    Mp3Writer stereo(stereoRecord);
    const size_t piece = 5000; // whole frames of either
    for (size_t at = 0; at < stereoPcm.size(); at += piece) {
        const auto slice = [&](const std::vector<int16_t>& pcm) {
            const size_t from = std::min(at, pcm.size()), to = std::min(at + piece, pcm.size());
            return std::vector<int16_t>(pcm.begin() + from, pcm.begin() + to);
        };
        mono.write(slice(monoPcm));
        stereo.write(slice(stereoPcm));
    }
    const auto monoTogether = mono.finish();
    const auto stereoTogether = stereo.finish();

    EXPECT_EQ(monoTogether, encode(monoRecord, monoPcm));
    EXPECT_EQ(stereoTogether, encode(stereoRecord, stereoPcm));
    EXPECT_EQ(decode(monoTogether).channels, 1);
    EXPECT_EQ(decode(stereoTogether).channels, 2);
}

TEST(BladeStreamSafety, EntryPointsResolveByNameFromTheProgramFolder) {
    void* library = dlopen(GBX_PROGRAM_DIR "/libgbxlame.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char* name : {"beInitStream", "beEncodeChunk", "beDeinitStream", "beGetInfoTag",
                             "beCloseStream", "beVersion"})
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    EXPECT_EQ(dlsym(library, "_ZN14StreamRegistry8instanceEv"), nullptr) << "internals stay hidden";

    const auto version = reinterpret_cast<decltype(&beVersion)>(dlsym(library, "beVersion"));
    ASSERT_NE(version, nullptr);
    GbxLameVersion facts{};
    version(&facts);
    version(nullptr);
    EXPECT_EQ(facts.major, GBXLAME_VERSION_MAJOR);
    EXPECT_EQ(facts.lameMajor, 3);
    EXPECT_NE(std::string(facts.lameText), "");
    dlclose(library);
}
