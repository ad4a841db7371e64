// The message boxes and file dialogs of start-up and closing.
#pragma once

#include "app/ClosingPlan.h"
#include "app/UnreadablePlanQuestion.h"
#include "audio/LibraryStartup.h"

class TTheCarrier;
class TGlorinbaxMF;

// Abort, Retry or Ignore with the stop icon, and the last OK before a halt; no parent window.
LoadQuestions WindowLoadQuestions();

// The fault log could not be written: OK goes on (true), Cancel ends the program (false).
bool AskGoOnAfterLogFailure(const QString& text);

// Each dialog is bracketed by the window's step-aside and the interior's dimming. UI thread.
class DialogCloseQuestions : public CloseQuestions {
public:
    explicit DialogCloseQuestions(TGlorinbaxMF& window) : m_window(window) {}
    SaveAnswer AskSave(const SaveQuestionTexts& texts, bool offerKeepAs) override;
    bool AskPlanFile(QString& fileName, int& filterIndex) override;

private:
    TGlorinbaxMF& m_window;
};

class UnreadablePlanBoxes : public UnreadablePlanDialogs {
public:
    UnreadablePlanBoxes(TGlorinbaxMF& window, TTheCarrier& carrier)
        : m_window(window), m_carrier(carrier) {}
    QuestionAnswer Ask(const UnreadablePlanTexts& texts) override;
    void SetModal(bool modal) override;
    void ShowReportWindow() override {}
    void ReportUnreadable(const QString& fileName) override;
    void CloseMainWindow() override;
    void LineToCarrierPosition() override;

private:
    TGlorinbaxMF& m_window;
    TTheCarrier& m_carrier;
};
