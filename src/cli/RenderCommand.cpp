// Arguments, start-up, the render loop and its progress display for --render.
#include "cli/RenderCommand.h"

#include "audio/HeadlessAudio.h"
#include "audio/MinglerHooks.h"
#include "audio/Perpetuator.h"
#include "audio/RenderDialog.h"
#include "audio/RenderHost.h"
#include "audio/RenderSettings.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessProgram.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/PathText.h"
#include "support/Report.h"
#include "support/WideMemIniFile.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>

namespace {

constexpr int kBarWidth = 40;
constexpr int kLineStep = 10; // percent between progress lines off a terminal

struct RenderArguments {
    RenderOrder order;
    QString plan;
};

// A whole number, the whole of the text.
bool readNumber(const std::string& text, uint32_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The arguments, or why they cannot be taken.
std::optional<RenderArguments> parse(const std::vector<std::string>& args, std::string& why) {
    if (args.size() < 3) {
        why = "--render takes a plan and an output file";
        return std::nullopt;
    }
    RenderArguments parsed;
    parsed.plan = QString::fromStdString(args[1]);
    RenderOrder& order = parsed.order;
    order.fileName = QString::fromStdString(args[2]);
    const std::optional<RenderOutput> output = RenderOutputOfFile(order.fileName);
    if (!output) {
        why = "cannot write '" + args[2] + "': OUT must end in .wav, .mp3, .flac or .ogg";
        return std::nullopt;
    }
    order.output = *output;
    const bool mp3 = order.output == RenderOutput::Mp3;
    bool bitsGiven = false;
    for (size_t i = 3; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--vbr") {
            order.output = RenderOutput::Mp3Vbr;
            continue;
        }
        uint32_t value = 0;
        const bool number = i + 1 < args.size() && readNumber(args[i + 1], value);
        if (option == "--bits" && number &&
            (value == 8 || value == 16 || value == 24 || value == 32)) {
            order.bits = value;
            bitsGiven = true;
        } else if (option == "--tracks" && number && value >= 1 && value <= 255) {
            order.tracks = value;
        } else {
            why = option == "--bits"     ? "--bits takes 8, 16, 24 or 32"
                  : option == "--tracks" ? "--tracks takes a count from 1 to 255"
                                         : "unexpected argument '" + option + "'";
            return std::nullopt;
        }
        ++i;
    }
    if (!mp3 && order.output == RenderOutput::Mp3Vbr) {
        why = "--vbr is for an MP3 file (OUT ending in .mp3)";
        return std::nullopt;
    }
    if (mp3 && bitsGiven && order.bits != 16) {
        why = "an MP3 is encoded from 16 bits; --bits is for a WAV or FLAC file";
        return std::nullopt;
    }
    if (order.output == RenderOutput::Vorbis && bitsGiven) {
        why = "an Ogg Vorbis file has no sample width; --bits is for a WAV or FLAC file";
        return std::nullopt;
    }
    if (order.output == RenderOutput::Flac && order.bits != 16 && order.bits != 24) {
        why = "a FLAC file takes --bits 16 or 24";
        return std::nullopt;
    }
    if (order.output == RenderOutput::Wav && order.bits == 24) {
        why = "a WAV file takes --bits 8, 16 or 32";
        return std::nullopt;
    }
    return parsed;
}

// A bar on a terminal, else a line at every tenth.
class ProgressDisplay {
public:
    ProgressDisplay(std::ostream& err, bool terminal) : m_err(err), m_terminal(terminal) {}

    void Show(const QString& progress) {
        if (progress.isEmpty())
            return;
        const double percent = std::clamp(progress.toDouble(), 0.0, 100.0);
        if (m_terminal) {
            const int filled = static_cast<int>(percent / 100 * kBarWidth);
            const std::string bar = std::string(filled, '#') + std::string(kBarWidth - filled, '-');
            const QString line =
                QString("\r[%1] %2%").arg(QString::fromStdString(bar)).arg(percent, 6, 'f', 2);
            if (line != m_shown) {
                m_err << line.toStdString() << std::flush;
                m_shown = line;
            }
            return;
        }
        while (m_nextLine <= percent) {
            m_err << m_nextLine << "%\n";
            m_nextLine += kLineStep;
        }
    }

    // A complete render shows its whole bar, or its last line, even when sounds ended early.
    void End(bool complete) {
        if (complete)
            Show(QStringLiteral("100"));
        if (m_terminal && !m_shown.isEmpty())
            m_err << "\n";
    }

private:
    std::ostream& m_err;
    bool m_terminal;
    QString m_shown;
    int m_nextLine = kLineStep;
};

// Report lines so far: errors to `err`, notices to `out`. True when there was an error.
bool printReports(std::ostream& out, std::ostream& err) {
    bool error = false;
    for (const ReportLine& line : reportqueue::TakeAll()) {
        const std::string text = (line.subject + ": " + line.text).toStdString();
        if (line.isError)
            err << "glorinbax: " << text << "\n";
        else
            out << text << "\n";
        error = error || line.isError;
    }
    return error;
}

// What a render asks of the command line: its finish line is printed with the other report lines;
// there is no title to refresh, and nothing opens the file afterwards without a window.
class CommandLineRenderHost : public RenderHost {
public:
    bool ReportsFinish() const override { return true; }
    void RefreshTitle() override {}
    void OpenInEditor(const QString&) override {}
    void OpenWithDefault(const QString&) override {}
};

// Report lines are wanted for the run's messages, not the fault log.
class TakingReports {
public:
    TakingReports() { reportqueue::SetAccepting(true); }
    ~TakingReports() {
        reportqueue::TakeAll();
        reportqueue::SetAccepting(false);
    }
    TakingReports(const TakingReports&) = delete;
    TakingReports& operator=(const TakingReports&) = delete;
};

// Every sound file of the plan could be read; else says which could not.
bool soundsReadable(const Arrangement& arrangement, std::ostream& err) {
    bool readable = true;
    for (int i = 0; i < arrangement.resources.Count(); ++i) {
        const TRes& resource = arrangement.resources.At(i);
        if (resource.Life > 0)
            continue;
        err << "glorinbax: the sound file \"" << resource.FullName.toStdString()
            << "\" cannot be read\n";
        readable = false;
    }
    return readable;
}

int render(const ProgramFolders& folders, const QString& resourcesFolder,
           const RenderArguments& args, std::ostream& out, std::ostream& err) {
    TakingReports taking;
    HeadlessAudio audio(folders.programFolder);
    if (!audio.Ready()) {
        printReports(out, err);
        err << "glorinbax: the audio engine could not be started\n";
        return kExitFailed;
    }
    MinglerHooks hooks;
    Arrangement arrangement(hooks);
    hooks.Attach(&arrangement, nullptr, nullptr);
    if (!LoadPlan(arrangement, args.plan, {resourcesFolder})) {
        printReports(out, err);
        err << "glorinbax: the plan \"" << args.plan.toStdString() << "\" could not be read\n";
        return kExitFailed;
    }
    if (!soundsReadable(arrangement, err))
        return kExitFailed;
    reportqueue::TakeAll(); // what loading noted is for the window's report

    RenderSettings settings = ReadRenderSettings(TWideMemIniFile(folders.settingsFile));
    settings.encoderLibrary = InProgramFolder(settings.encoderLibrary, folders.programFolder);
    CommandLineRenderHost host;
    TThePerpetuator perpetuator(arrangement, nullptr, host, settings);
    RenderOrder order = args.order;
    order.from = arrangement.plan.Start;
    const bool started = perpetuator.StartRender(order);
    ProgressDisplay progress(err, &err == &std::cerr && isatty(STDERR_FILENO));
    while (perpetuator.Active()) {
        perpetuator.RenderTick();
        progress.Show(perpetuator.Progress());
    }
    const bool complete = started && perpetuator.Outcome() == TThePerpetuator::State::Rendered;
    progress.End(complete);
    const bool reportedError = printReports(out, err);
    return complete && !reportedError ? kExitOk : kExitFailed;
}

} // namespace

int RunRenderCommand(const std::string& exeName, const std::vector<std::string>& args,
                     std::ostream& out, std::ostream& err) {
    std::string why;
    const std::optional<RenderArguments> parsed = parse(args, why);
    if (!parsed) {
        err << "glorinbax: " << why << "\nusage: " GBX_RENDER_USAGE "\n";
        return kExitBadArguments;
    }
    const ScriptEnvironment env = StartForScript(QString::fromStdString(exeName));
    return render(env.folders, env.defaultResourcesFolder, *parsed, out, err);
}
