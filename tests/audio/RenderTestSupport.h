// Helpers of the render tests: a plan whose sounds open as they are added, renders run to their
// end, and the WAV files they write.
#pragma once

#include "AudioTestSupport.h"

#include "audio/MinglerHooks.h"
#include "audio/Perpetuator.h"
#include "audio/RenderHost.h"

#include <memory>

namespace audiotest {

class RecordingRenderHost : public RenderHost {
public:
    bool ReportsFinish() const override { return true; }
    void RefreshTitle() override { ++titleRefreshes; }
    void OpenInEditor(const QString& fileName) override { opened << "editor " + fileName; }
    void OpenWithDefault(const QString& fileName) override { opened << fileName; }

    int titleRefreshes = 0;
    QStringList opened;
};

// A WAV file as written, header included.
struct WavFile {
    explicit WavFile(const QString& path);
    uint32_t Field32(int at) const;
    uint32_t Field16(int at) const;
    // A sample as a fraction of full scale, whatever the bits.
    double At(int64_t frame, uint32_t track) const;

    QByteArray bytes;
};

class RenderTest : public AudioTest {
protected:
    void SetUp() override;

    std::unique_ptr<TThePerpetuator> start(const RenderOrder& order,
                                           const RenderSettings& settings = {},
                                           TTheMingler* live = nullptr);
    static void runToEnd(TThePerpetuator& render);
    // A whole render from the plan's Start, and how it ended.
    TThePerpetuator::State render(const RenderOrder& order, const RenderSettings& settings = {});
    RenderOrder order(const QString& name, uint32_t bits = 16, uint32_t tracks = 2,
                      RenderOutput output = RenderOutput::Wav) const;

    MinglerHooks hooks;
    PlanFixture plan{hooks};
    RecordingRenderHost host;
};

} // namespace audiotest
