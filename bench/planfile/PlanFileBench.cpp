// Prints how long loading and saving a 100,000-ball plan take, in each form, and the ratio to
// reading and writing the same number of bytes plainly in the same process.
#include "model/Arrangement.h"
#include "planfile/PlanDefaults.h"
#include "planfile/PlanOperations.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int kBalls = 100000;
constexpr int kLanes = 16;
constexpr int kRuns = 3;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The best of a few runs, so that a busy machine disturbs the figures less.
template <class Work> double BestMilliseconds(Work work) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        work();
        best = std::min(best, Milliseconds(Clock::now() - start));
    }
    return best;
}

void FillPlan(Arrangement& arrangement) {
    ResetToDefaults(arrangement);
    arrangement.plan.RecomputeTiming();
    for (int lane = 0; lane < kLanes; ++lane) {
        TLane& added = arrangement.lanes.Add(lane, TPiece::kNoOwnHue, true);
        added.Piece().Handle = QStringLiteral("Lane %1").arg(lane);
        added.Piece().Loudness.SetText("0.8");
    }
    for (int i = 0; i < kBalls; ++i) {
        TBall* ball = arrangement.balls.Add(i / kLanes, i % kLanes, TPiece::kNoOwnHue, false);
        if (i % 10 == 0) // some balls carry values of their own
            ball->Piece().Loudness.SetText("0.5");
    }
}

void PlainWrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "plain write failed\n");
}

void PlainRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll().isEmpty())
        std::fprintf(stderr, "plain read failed\n");
}

void Measure(const char* name, const Arrangement& source, int32_t format, const QString& folder) {
    const QString path = folder + QStringLiteral("/plan_%1.skw").arg(format);
    const QString plainPath = folder + QStringLiteral("/plain_%1.bin").arg(format);
    Arrangement& writable = const_cast<Arrangement&>(source);
    const double save = BestMilliseconds([&] { SavePlan(writable, path, format, false); });
    const QByteArray bytes = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const double plainWrite = BestMilliseconds([&] { PlainWrite(plainPath, bytes); });
    int loadedBalls = 0;
    const double load = BestMilliseconds([&] {
        Arrangement loaded;
        LoadPlan(loaded, path, {});
        loadedBalls = loaded.balls.Count();
    });
    const double plainRead = BestMilliseconds([&] { PlainRead(plainPath); });
    std::printf("%-7s %9lld bytes  save %8.1f ms (x%6.1f plain write)  "
                "load %8.1f ms (x%6.1f plain read)  %d balls\n",
                name, static_cast<long long>(bytes.size()), save, save / plainWrite, load,
                load / plainRead, loadedBalls);
}

} // namespace

// With an argument ("binary" or "text") only that form is measured.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    QTemporaryDir folder;
    Arrangement arrangement;
    FillPlan(arrangement);
    std::printf("Plan of %d balls on %d lanes; best of %d runs\n", kBalls, kLanes, kRuns);
    if (only.empty() || only == "binary")
        Measure("binary", arrangement, kFormatBinary, folder.path());
    if (only.empty() || only == "text")
        Measure("text", arrangement, kFormatText, folder.path());
    return 0;
}
