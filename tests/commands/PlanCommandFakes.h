// The window, the user and the desktop as the plan commands' tests script them.
#pragma once

#include "commands/CommandHost.h"
#include "commands/PlanDialogs.h"
#include "commands/UnreadablePlanQuestion.h"
#include "model/AudioHooks.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

// Counts what the commands asked of the window and how deep the dialog brackets are.
class FakeCommandHost : public CommandHost {
public:
    QWidget* DialogParent() override { return nullptr; }
    void StepAsideForDialog() override { ++aside; }
    void ReturnAfterDialog() override {
        EXPECT_GT(aside, 0) << "returned without stepping aside";
        --aside;
    }
    void SetControlsDimmed(bool on) override { dimmed += on ? 1 : -1; }
    void RefreshTitle() override { ++titles; }
    void ShowReport() override { ++reportsShown; }
    void CloseWindow() override { ++closes; }
    void RefreshAfterLoad() override { ++refreshes; }
    void SettleCarrier() override { ++settles; }
    int LaneTextZoom() const override { return 3; }

    int aside = 0;
    int dimmed = 0;
    int titles = 0;
    int reportsShown = 0;
    int closes = 0;
    int refreshes = 0;
    int settles = 0;
};

// Counts how deep the mix lock is held.
class LockCountingAudio : public AudioHooks {
public:
    void LockMixer() override { ++depth; }
    void UnlockMixer() override { --depth; }
    int depth = 0;
};

// Answers the save question as told; every question must come inside the dialog state.
class ScriptedSaveQuestion : public SaveQuestion {
public:
    explicit ScriptedSaveQuestion(const FakeCommandHost& host) : m_host(host) {}
    SaveAnswer AskSaveChanges(bool offerKeepAs) override {
        EXPECT_GT(m_host.aside, 0);
        EXPECT_GT(m_host.dimmed, 0);
        offered.push_back(offerKeepAs);
        return answer;
    }

    SaveAnswer answer = SaveAnswer::Yes;
    std::vector<bool> offered;

private:
    const FakeCommandHost& m_host;
};

// Chooses the files it is told to and records every dialog; each must come with the window
// stepped aside.
class ScriptedDialogs : public PlanDialogs {
public:
    ScriptedDialogs(const FakeCommandHost& host, const LockCountingAudio& audio)
        : m_host(host), m_audio(audio) {}
    bool AskSaveFile(const FileDialogSpec& spec, QString& fileName, int& filterIndex) override {
        EXPECT_GT(m_host.aside, 0);
        EXPECT_EQ(m_audio.depth, 0) << "a dialog under the mix lock stalls the mixing thread";
        dimmedAtSave = m_host.dimmed > 0;
        saveSpecs.push_back(spec);
        proposedNames.push_back(fileName);
        proposedFilters.push_back(filterIndex);
        if (chosenName.isEmpty())
            return false;
        fileName = chosenName;
        filterIndex = chosenFilter;
        return true;
    }
    QString AskOpenFile(const FileDialogSpec& spec) override {
        EXPECT_GT(m_host.aside, 0);
        openSpecs.push_back(spec);
        return openName;
    }
    void ShowInformation(const QString& caption, const QString& text) override {
        EXPECT_GT(m_host.aside, 0);
        information.push_back({caption, text});
    }
    void ShowOpenWith(const QString& file) override { openWith.push_back(file); }
    void ShowProperties(const QString& file) override { properties.push_back(file); }

    QString chosenName; // empty: the save dialog is cancelled
    int chosenFilter = 1;
    QString openName; // empty: the open dialog is cancelled
    bool dimmedAtSave = false;
    std::vector<FileDialogSpec> saveSpecs;
    QStringList proposedNames;
    std::vector<int> proposedFilters;
    std::vector<FileDialogSpec> openSpecs;
    std::vector<std::pair<QString, QString>> information;
    QStringList openWith;
    QStringList properties;

private:
    const FakeCommandHost& m_host;
    const LockCountingAudio& m_audio;
};

class FakeDesktop : public PlanDesktop {
public:
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        started.push_back({program, arguments});
        return startsPrograms;
    }
    bool OpenWithDefaultProgram(const QString& file) override {
        openedWithDefault.push_back(file);
        return startsPrograms;
    }
    void ShowInFolder(const QString& file) override { shownInFolder.push_back(file); }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    QString ClipboardText() const override { return clipboard; }

    bool startsPrograms = true;
    std::vector<std::pair<QString, QStringList>> started;
    QStringList openedWithDefault;
    QStringList shownInFolder;
    QString clipboard;
};

// The unreadable-plan question, answered as told.
class ScriptedUnreadable : public UnreadablePlanDialogs {
public:
    QuestionAnswer Ask(const UnreadablePlanTexts&) override {
        ++asked;
        return answer;
    }
    void ShowReportWindow() override {}
    void ReportUnreadable(const QString&) override {}
    void CloseMainWindow() override {}
    void LineToCarrierPosition() override {}

    QuestionAnswer answer = QuestionAnswer::No;
    int asked = 0;
};
