// Message boxes and the plan's save dialog.
#include "app/WindowDialogs.h"

#include "app/MainWindow.h"
#include "commands/CommandIds.h"
#include "commands/DialogState.h"
#include "commands/FileDialogFilter.h"
#include "commands/QtPlanDialogs.h"
#include "controls/TheCarrier.h"
#include "model/Arrangement.h"
#include "support/PathText.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace {

constexpr int kTextChooseSoundFile = 9;
constexpr int kTextSoundFileFilter = 10;

} // namespace

LoadQuestions WindowLoadQuestions() {
    return {[](const QString& text) {
                const auto answer = QMessageBox::critical(nullptr, QString(), text,
                                                          QMessageBox::Abort | QMessageBox::Retry |
                                                              QMessageBox::Ignore);
                if (answer == QMessageBox::Retry)
                    return LoadAnswer::Retry;
                return answer == QMessageBox::Ignore ? LoadAnswer::Ignore : LoadAnswer::Abort;
            },
            [](const QString& text) { QMessageBox::critical(nullptr, QString(), text); }};
}

bool AskGoOnAfterLogFailure(const QString& text) {
    return QMessageBox::critical(nullptr, QStringLiteral("Glorinbax"), text,
                                 QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Cancel;
}

SaveAnswer SaveQuestionBox::AskSaveChanges(bool offerKeepAs) {
    const SaveQuestionTexts texts =
        SaveQuestionTextsFor(m_plan, QDateTime::currentDateTime(), offerKeepAs);
    QMessageBox box(QMessageBox::Warning, texts.title, texts.instruction,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &m_window);
    box.setInformativeText(texts.content);
    QPushButton* keepAs = nullptr;
    if (offerKeepAs)
        keepAs = box.addButton(DialogCaption(cmd::kKeepPlanAs), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (keepAs && box.clickedButton() == keepAs)
        return SaveAnswer::KeepAs;
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

QuestionAnswer UnreadablePlanBoxes::Ask(const UnreadablePlanTexts& texts) {
    int answer = QMessageBox::NoButton;
    {
        const DialogState state(m_host, false);
        QMessageBox box(QMessageBox::Question, texts.caption, texts.instruction,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Retry |
                            QMessageBox::Cancel,
                        m_host.DialogParent());
        box.setInformativeText(texts.content + QStringLiteral("\n\n") + texts.question);
        answer = box.exec();
    }
    switch (answer) {
    case QMessageBox::Yes:
        return QuestionAnswer::Yes;
    case QMessageBox::No:
        return QuestionAnswer::No;
    case QMessageBox::Retry:
        return QuestionAnswer::Retry;
    default:
        return QuestionAnswer::Cancel;
    }
}

void UnreadablePlanBoxes::ShowReportWindow() {
    m_host.ShowReport();
}

void UnreadablePlanBoxes::ReportUnreadable(const QString& fileName) {
    Report(fileName, Text(198), true);
}

void UnreadablePlanBoxes::CloseMainWindow() {
    m_host.CloseWindow();
}

void UnreadablePlanBoxes::LineToCarrierPosition() {
    m_carrier.MoveLine(m_carrier.LastRollPosition());
}

QString SoundFileDialog::DefaultResourcesFolder() const {
    return ReadDefaultResourcesFolder(m_settings);
}

QString SoundFileDialog::ChooseSoundFile(const QString& proposed) {
    const TThePlan& plan = m_arrangement.plan;
    QString folder = ToLinuxSeparators(plan.ResourcesFolder);
    for (const QString& candidate : {DefaultResourcesFolder(), plan.Folder()})
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = candidate;
    std::optional<DialogState> state;
    if (m_host)
        state.emplace(*m_host);
    return QFileDialog::getOpenFileName(m_host ? m_host->DialogParent() : nullptr,
                                        Text(kTextChooseSoundFile),
                                        proposed.isEmpty() ? folder : proposed,
                                        QtFileFilters(Text(kTextSoundFileFilter)).join(";;"));
}
