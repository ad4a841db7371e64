// An instructor over a plan in a scratch folder, with the English texts and scripted dialogs.
#pragma once

#include "PlanCommandFakes.h"
#include "commands/Instructor.h"
#include "common/TempDir.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/Report.h"
#include "support/Stopwatch.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <gtest/gtest.h>

#include <QDir>

class InstructorFixture : public ::testing::Test {
protected:
    InstructorFixture() {
        FreeParlance();
        faultlog::SetFolder(dir.path());
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(settings, QStringLiteral(GBX_SOURCE_DIR "/data/"));
        reportqueue::SetAccepting(true);
        reportqueue::TakeAll();
    }
    ~InstructorFixture() override {
        reportqueue::TakeAll();
        reportqueue::SetAccepting(false);
        FreeParlance();
    }

    // A changed plan with one ball, kept in a file of the scratch folder (not yet written).
    void changedPlanIn(const QString& name, int32_t format = 2) {
        plan.FileName = dir.file(name);
        plan.Untitled = false;
        plan.FileFormat = format;
        arrangement.balls.Add(3, 1, TPiece::kNoOwnHue, false);
        plan.SetModified(64, true);
    }
    // The report's lines since the last call, "subject | text" each.
    QStringList reportLines() {
        QStringList lines;
        for (const ReportLine& line : reportqueue::TakeAll())
            lines << line.subject + " | " + line.text;
        return lines;
    }
    QStringList plansInDir() const {
        return QDir(dir.path()).entryList({"*.skw"}, QDir::Files, QDir::Name);
    }

    TempDir dir;
    QString backup = dir.file("plan_backup.skw");
    LockCountingAudio audio;
    Arrangement arrangement{audio};
    TThePlan& plan = arrangement.plan;
    TGenericStopwatch stopwatch;
    FakeCommandHost host;
    ScriptedSaveQuestion question{host};
    ScriptedDialogs dialogs{host, audio};
    FakeDesktop desktop;
    ScriptedUnreadable unreadable;
    bool rendersMayStop = true;
    int renderQuestions = 0;
    TTheInstructor instructor{InstructorLinks{arrangement,
                                              host,
                                              question,
                                              dialogs,
                                              desktop,
                                              unreadable,
                                              stopwatch,
                                              backup,
                                              {},
                                              [this] {
                                                  ++renderQuestions;
                                                  return rendersMayStop;
                                              },
                                              [] { return nullptr; }}};
};
