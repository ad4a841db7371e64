// File copies with progress and the replace question.
#include "commands/FileCopying.h"

#include "commands/ProgramCommandLinks.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int kTextNotWritten = 165;
constexpr qint64 kPortion = qint64{1} << 20;

class Copier {
public:
    Copier(ProgramDialogs& dialogs, const CopyOptions& options, qint64 total)
        : m_dialogs(dialogs), m_options(options), m_total(total) {
        if (options.progress)
            m_progress = dialogs.ShowCopyProgress(options.title);
    }

    // False when the user cancelled.
    bool Copy(const FileCopy& file, CopyOutcome& outcome) {
        outcome.done.push_back(false);
        if (SameFile(file.from, file.to)) {
            outcome.done.back() = true;
            m_done += QFileInfo(file.from).size();
            return step(file.from);
        }
        if (QFileInfo::exists(file.to)) {
            switch (replace(file.to)) {
            case ReplaceAnswer::Cancel:
                return false;
            case ReplaceAnswer::Skip:
            case ReplaceAnswer::SkipAll:
                m_done += QFileInfo(file.from).size();
                return step(file.from);
            case ReplaceAnswer::Replace:
            case ReplaceAnswer::ReplaceAll:
                break;
            }
        }
        bool cancelled = false;
        if (write(file, cancelled)) {
            outcome.done.back() = true;
            ++outcome.copied;
        } else if (!cancelled) {
            ++outcome.failed;
            Report('"' + file.to + '"', Text(kTextNotWritten), true);
        }
        return !cancelled;
    }

private:
    ReplaceAnswer replace(const QString& target) {
        if (m_all)
            return *m_all;
        const ReplaceAnswer answer = m_dialogs.AskReplace(target);
        if (answer == ReplaceAnswer::ReplaceAll || answer == ReplaceAnswer::SkipAll)
            m_all = answer;
        return answer;
    }

    bool step(const QString& file) {
        return !m_progress || m_progress->Step(m_done, m_total, file);
    }

    bool write(const FileCopy& file, bool& cancelled) {
        QFile source(file.from);
        if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(file.to).absolutePath()))
            return false;
        QSaveFile target(file.to);
        if (!target.open(QIODevice::WriteOnly))
            return false;
        const qint64 portion = m_options.inPortions ? kPortion : std::max<qint64>(source.size(), 1);
        while (!source.atEnd()) {
            const QByteArray bytes = source.read(portion);
            if (bytes.isEmpty() || target.write(bytes) != bytes.size())
                return false;
            m_done += bytes.size();
            if (!step(file.from)) {
                cancelled = true;
                return false;
            }
        }
        if (!target.commit())
            return false;
        QFile::setPermissions(file.to, source.permissions());
        return true;
    }

    ProgramDialogs& m_dialogs;
    const CopyOptions& m_options;
    const qint64 m_total;
    qint64 m_done = 0;
    std::unique_ptr<CopyProgress> m_progress;
    std::optional<ReplaceAnswer> m_all;
};

} // namespace

CopyOutcome CopyFiles(const std::vector<FileCopy>& files, ProgramDialogs& dialogs,
                      const CopyOptions& options) {
    qint64 total = 0;
    for (const FileCopy& file : files)
        total += QFileInfo(file.from).size();
    CopyOutcome outcome;
    Copier copier(dialogs, options, total);
    for (const FileCopy& file : files) {
        if (!copier.Copy(file, outcome)) {
            outcome.cancelled = true;
            break;
        }
    }
    outcome.done.resize(files.size(), false);
    return outcome;
}

bool SameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}
