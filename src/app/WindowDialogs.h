// The message boxes and file dialogs of start-up and closing.
#pragma once

#include "app/SaveQuestionWords.h"
#include "audio/LibraryStartup.h"
#include "commands/UnreadablePlanQuestion.h"
#include "controls/SoundFileLink.h"

class Arrangement;
class CommandHost;
class TTheCarrier;
class TThePlan;
class TWideCustomIniFile;
class TGlorinbaxMF;

// Abort, Retry or Ignore with the stop icon, and the last OK before a halt; no parent window.
LoadQuestions WindowLoadQuestions();

// The fault log could not be written: OK goes on (true), Cancel ends the program (false).
bool AskGoOnAfterLogFailure(const QString& text);

// The save question as a warning box with Yes, No, Cancel and, when offered, a fourth button
// for a new name. The commands bracket it with their dialog state. UI thread.
class SaveQuestionBox : public SaveQuestion {
public:
    SaveQuestionBox(TGlorinbaxMF& window, const TThePlan& plan) : m_window(window), m_plan(plan) {}
    SaveAnswer AskSaveChanges(bool offerKeepAs) override;

private:
    TGlorinbaxMF& m_window;
    const TThePlan& m_plan;
};

class UnreadablePlanBoxes : public UnreadablePlanDialogs {
public:
    UnreadablePlanBoxes(CommandHost& host, TTheCarrier& carrier)
        : m_host(host), m_carrier(carrier) {}
    QuestionAnswer Ask(const UnreadablePlanTexts& texts) override;
    void ShowReportWindow() override;
    void ReportUnreadable(const QString& fileName) override;
    void CloseMainWindow() override;
    void LineToCarrierPosition() override;

private:
    CommandHost& m_host;
    TTheCarrier& m_carrier;
};

// The sound-file dialog of the lane strip, with the language's sound-file filters, starting in
// the plan's resources folder, else the default one, else the plan's folder. Made before the
// window it belongs to; until Attach it has no parent.
class SoundFileDialog : public SoundFileLink {
public:
    SoundFileDialog(const Arrangement& arrangement, const TWideCustomIniFile& settings)
        : m_arrangement(arrangement), m_settings(settings) {}
    void Attach(CommandHost* host) { m_host = host; }
    QString ChooseSoundFile(const QString& proposed) override;
    QString DefaultResourcesFolder() const override;

private:
    const Arrangement& m_arrangement;
    const TWideCustomIniFile& m_settings;
    CommandHost* m_host = nullptr;
};
