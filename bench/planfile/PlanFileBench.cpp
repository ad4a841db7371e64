// Prints, for a plan of a million balls on 16 lanes: the memory a ball without values of its own
// takes; how long saving and loading take in each form, against writing and reading the same
// bytes plainly in the same process; and the peak memory of `glorinbax --dump` of each file,
// against that of `glorinbax --version`.
#include "model/Arrangement.h"
#include "planfile/PlanDefaults.h"
#include "planfile/PlanOperations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

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

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void AddLanes(Arrangement& arrangement) {
    ResetToDefaults(arrangement);
    arrangement.plan.RecomputeTiming();
    for (int lane = 0; lane < kLanes; ++lane) {
        TLane& added = arrangement.lanes.Add(lane, TPiece::kNoOwnHue, true);
        added.Piece().Handle = QStringLiteral("Lane %1").arg(lane);
        added.Piece().Loudness.SetText("0.8");
    }
}

// Every tenth ball has a loudness of its own.
void FillPlan(Arrangement& arrangement, int balls) {
    AddLanes(arrangement);
    for (int i = 0; i < balls; ++i) {
        TBall* ball = arrangement.balls.Add(i / kLanes, i % kLanes, TPiece::kNoOwnHue, false);
        if (i % 10 == 0)
            ball->EditPiece().Loudness.SetText("0.5");
    }
}

void BytesPerPlainBall(int balls) {
    Arrangement arrangement;
    AddLanes(arrangement);
    const size_t before = HeapInUse();
    for (int i = 0; i < balls; ++i)
        arrangement.balls.Add(i / kLanes, i % kLanes, TPiece::kNoOwnHue, false);
    const double perBall = double(HeapInUse() - before) / balls;
    std::printf("a ball without values of its own: %.0f bytes of heap (goal: at most 160)\n",
                perBall);
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

// Runs programs for the bench and tells their peak resident memory. A child started from the
// bench itself would count the bench's own peak in its own (the kernel carries the parent's high
// water mark across fork and exec), so the runs start from a small process forked before the
// bench grows.
class PeakMeter {
public:
    PeakMeter() {
        int requests[2];
        int answers[2];
        if (pipe(requests) != 0 || pipe(answers) != 0)
            return;
        m_child = fork();
        if (m_child == 0) {
            close(requests[1]);
            close(answers[0]);
            Serve(requests[0], answers[1]);
            _exit(0);
        }
        close(requests[0]);
        close(answers[1]);
        m_requests = requests[1];
        m_answers = answers[0];
    }
    ~PeakMeter() {
        close(m_requests);
        close(m_answers);
        if (m_child > 0)
            waitpid(m_child, nullptr, 0);
    }

    // The program run with the arguments, its output thrown away; 0 when it could not run or
    // failed.
    double Megabytes(const std::vector<std::string>& command) {
        std::string request;
        for (const std::string& word : command)
            request += word + '\0';
        const uint32_t size = static_cast<uint32_t>(request.size());
        long kilobytes = 0;
        if (write(m_requests, &size, sizeof size) != sizeof size ||
            write(m_requests, request.data(), size) != static_cast<ssize_t>(size) ||
            read(m_answers, &kilobytes, sizeof kilobytes) != sizeof kilobytes)
            return 0;
        return kilobytes / 1024.0;
    }

private:
    static void Serve(int requests, int answers) {
        uint32_t size = 0;
        while (read(requests, &size, sizeof size) == sizeof size) {
            std::string request(size, '\0');
            if (read(requests, request.data(), size) != static_cast<ssize_t>(size))
                return;
            const long kilobytes = Run(request);
            if (write(answers, &kilobytes, sizeof kilobytes) != sizeof kilobytes)
                return;
        }
    }

    static long Run(std::string& request) {
        std::vector<char*> argv;
        for (size_t at = 0; at < request.size(); at += std::strlen(&request[at]) + 1)
            argv.push_back(&request[at]);
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        struct rusage usage {};
        if (spawned != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            return 0;
        return usage.ru_maxrss;
    }

    pid_t m_child = -1;
    int m_requests = -1;
    int m_answers = -1;
};

void Measure(const char* name, Arrangement& source, int32_t format, const QString& folder,
             const std::string& program, PeakMeter& peaks) {
    const QString path = folder + QStringLiteral("/plan_%1.skw").arg(format);
    const QString plainPath = folder + QStringLiteral("/plain_%1.bin").arg(format);
    const double save = BestMilliseconds([&] { SavePlan(source, path, format, false); });
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
    std::printf("%-7s %10lld bytes  save %7.1f ms (x%6.1f plain write)  "
                "load %7.1f ms (x%6.1f plain read)  %d balls\n",
                name, static_cast<long long>(bytes.size()), save, save / plainWrite, load,
                load / plainRead, loadedBalls);
    if (!program.empty())
        std::printf("        --dump peak %.0f MB (--version: %.0f MB; goal: under 400 MB)\n",
                    peaks.Megabytes({program, "--dump", path.toStdString()}),
                    peaks.Megabytes({program, "--version"}));
}

} // namespace

// bench [balls [binary|text]]: a million balls and both forms unless told. The program measured
// by --dump is the one built beside the benchmarks.
int main(int argc, char** argv) {
    PeakMeter peaks;
    QCoreApplication application(argc, argv);
    const int balls = argc > 1 ? std::stoi(argv[1]) : 1000000;
    const std::string only = argc > 2 ? argv[2] : "";
    const QString built = QCoreApplication::applicationDirPath() + "/../program/glorinbax";
    const std::string program =
        QFileInfo(built).isExecutable() ? QFileInfo(built).canonicalFilePath().toStdString() : "";
    QTemporaryDir folder;
    BytesPerPlainBall(balls);
    Arrangement arrangement;
    FillPlan(arrangement, balls);
    std::printf("Plan of %d balls on %d lanes, every tenth with a loudness of its own; best of %d "
                "runs\n",
                balls, kLanes, kRuns);
    if (only.empty() || only == "binary")
        Measure("binary", arrangement, kFormatBinary, folder.path(), program, peaks);
    if (only.empty() || only == "text")
        Measure("text", arrangement, kFormatText, folder.path(), program, peaks);
    return 0;
}
