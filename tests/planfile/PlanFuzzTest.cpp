// Mutated plan files fed to both readers: nothing may crash or hang, and whatever was read must
// write files that load again and write the same bytes. Run under AddressSanitizer in CI.
#include "planfile/BinaryPlanWriter.h"
#include "planfile/PlanBytes.h"
#include "planfile/TextPlanWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {

// CI runs the default count; GBX_FUZZ_ITERATIONS and GBX_FUZZ_SEED widen a search by hand.
constexpr long long kIterations = 3000;
constexpr auto kTimeBudget = std::chrono::seconds(20);
constexpr long long kSeed = 20240611;

long long FromEnvironment(const char* name, long long fallback) {
    bool ok = false;
    const long long number = qgetenv(name).toLongLong(&ok);
    return ok ? number : fallback;
}

std::vector<QByteArray> Seeds() {
    Arrangement arrangement;
    StartFromDefaults(arrangement);
    arrangement.plan.ElementRate.SetText("2*22050");
    arrangement.plan.Start = Elements{4410};
    arrangement.plan.ResourcesFolder = QStringLiteral("/sounds");
    arrangement.plan.Master.Resource = arrangement.resources.FindOrAdd("pad.wav", {});
    TPiece& piece = arrangement.lanes.Add(0, 120, false).Piece();
    piece.Handle = QStringLiteral("Kick");
    piece.SrcTrack0 = 1;
    piece.Pan.SetText("-0.5");
    arrangement.lanes.Add(1, TPiece::kNoOwnHue, true).Striked = true;
    for (int x = 0; x < 6; ++x)
        arrangement.balls.Add(x, x % 3, TPiece::kNoOwnHue, false)
            ->EditPiece()
            .Life.SetText("100+x");
    return {WriteBinaryPlan(arrangement).bytes,
            WriteTextPlan(arrangement, TextPlanScope::Whole).bytes,
            WriteTextPlan(arrangement, TextPlanScope::BallsOnly).bytes,
            "[Main]\r\nFormatVersion=1\r\n[Resources]\r\na.wav\r\nb.wav\r\n"};
}

QByteArray Mutate(QByteArray bytes, std::mt19937& random) {
    const auto below = [&](qsizetype n) { return n <= 0 ? 0 : qsizetype(random() % uint32_t(n)); };
    for (int steps = 1 + int(random() % 6); steps > 0; --steps) {
        const qsizetype at = below(bytes.size() + 1);
        const qsizetype some = below(bytes.size());
        switch (bytes.isEmpty() ? 2 + random() % 5 : random() % 7) {
        case 0:
            bytes[some] = char(bytes[some] ^ (1 << random() % 8));
            break;
        case 1:
            bytes[some] = char(random());
            break;
        case 2:
            bytes.insert(at, QByteArray{char(random() % 40), 0});
            break; // a tag, any
        case 3:
            bytes.truncate(at);
            break;
        case 4:
            bytes.remove(at, below(16));
            break;
        case 5:
            bytes.insert(at, bytes.mid(some, below(24)));
            break;
        case 6:
            bytes.insert(at, QByteArray("[=]\r\n;").mid(below(6), 1));
            break;
        }
    }
    return bytes;
}

// Reads a written file back (which must succeed) and answers the bytes written again.
QByteArray Rewritten(const QByteArray& written, bool binary) {
    Arrangement read;
    EXPECT_TRUE(ReadImage(read, written)) << read.plan.LoadMessages.toStdString();
    return binary ? WriteBinaryPlan(read).bytes : WriteTextPlan(read, TextPlanScope::Whole).bytes;
}

TEST(PlanFuzz, MutatedFilesReadSafelyAndWhatWasReadWritesStableFiles) {
    const std::vector<QByteArray> seeds = Seeds();
    const long long iterations = FromEnvironment("GBX_FUZZ_ITERATIONS", kIterations);
    std::mt19937 random(static_cast<uint32_t>(FromEnvironment("GBX_FUZZ_SEED", kSeed)));
    const auto deadline = std::chrono::steady_clock::now() +
                          (iterations > kIterations ? std::chrono::hours(24) : kTimeBudget);
    int done = 0;
    int failedReads = 0;
    for (; done < iterations && std::chrono::steady_clock::now() < deadline; ++done) {
        const QByteArray input = Mutate(seeds[done % seeds.size()], random);
        const std::string where =
            "iteration " + std::to_string(done) + ", input " + input.toHex().toStdString();
        Arrangement arrangement;
        const ImageReading reading = ReadPlanImage(arrangement, input, PlanReadContext{});
        if (reading == ImageReading::NotAPlan)
            continue; // nothing was read, so nothing is written
        failedReads += reading == ImageReading::Read ? 0 : 1;
        const QByteArray binary = WriteBinaryPlan(arrangement).bytes;
        ASSERT_EQ(HexView{Rewritten(binary, true)}, HexView{binary}) << where;
        // The text readers give the master piece concrete values: one round settles them.
        const QByteArray text =
            Rewritten(WriteTextPlan(arrangement, TextPlanScope::Whole).bytes, false);
        ASSERT_EQ(Rewritten(text, false), text) << where;
    }
    EXPECT_GT(done, 100); // the budget must leave room for a real search
    // The mutations reach both the faults and the files that still read.
    EXPECT_GT(failedReads, done / 20);
    EXPECT_LT(failedReads, done - done / 20);
}

} // namespace
