#include "RenderTestSupport.h"

#include <QFile>
#include <QtEndian>

namespace audiotest {

WavFile::WavFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
}

uint32_t WavFile::Field32(int at) const {
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}

uint32_t WavFile::Field16(int at) const {
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

double WavFile::At(int64_t frame, uint32_t track) const {
    const uint32_t bits = Field16(34);
    const char* at = bytes.constData() + 44 + frame * Field16(32) + track * bits / 8;
    if (bits == 8)
        return (static_cast<uint8_t>(*at) - 128) / 128.0;
    if (bits == 16)
        return qFromLittleEndian<int16_t>(at) / 32768.0;
    return qFromLittleEndian<float>(at);
}

void RenderTest::SetUp() {
    AudioTest::SetUp();
    hooks.Attach(&plan.arrangement, nullptr, nullptr);
}

std::unique_ptr<TThePerpetuator>
RenderTest::start(const RenderOrder& order, const RenderSettings& settings, TTheMingler* live) {
    auto job = std::make_unique<TThePerpetuator>(plan.arrangement, live, host, settings);
    job->StartRender(order);
    return job;
}

void RenderTest::runToEnd(TThePerpetuator& render) {
    for (int i = 0; i < 100000 && render.Active(); ++i)
        render.RenderTick();
    ASSERT_FALSE(render.Active()) << "the render does not end";
}

TThePerpetuator::State RenderTest::render(const RenderOrder& order,
                                          const RenderSettings& settings) {
    auto job = start(order, settings);
    runToEnd(*job);
    return job->Outcome();
}

RenderOrder RenderTest::order(const QString& name, uint32_t bits, uint32_t tracks,
                              RenderOutput output) const {
    return RenderOrder{file(name), output, tracks, bits, plan.arrangement.plan.Start};
}

} // namespace audiotest
