#include "commands/ConfirmStopPerpetuations.h"
#include "commands/CommandHost.h"
#include "controls/RoomFakes.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

// Renders that stop when removed, in the order they were removed.
class RunningRenders : public ScriptedMixer {
public:
    int RenderCount() const override { return count; }
    void RemoveRender(int index) override {
        removed.push_back(index);
        --count;
    }
    int count = 0;
    std::vector<int> removed;
};

class RecordingHost : public CommandHost {
public:
    QWidget* DialogParent() override { return nullptr; }
    void StepAsideForDialog() override { calls << "aside"; }
    void ReturnAfterDialog() override { calls << "return"; }
    void SetControlsDimmed(bool on) override { calls << (on ? "dim" : "undim"); }
    void RefreshTitle() override { calls << "title"; }
    void ShowReport() override { calls << "report"; }
    void CloseWindow() override { calls << "close"; }
    void RefreshAfterLoad() override { calls << "refresh"; }
    void SettleCarrier() override { calls << "settle"; }
    int LaneTextZoom() const override { return 0; }
    QStringList calls;
};

class Answer : public StopRendersQuestion {
public:
    bool AskStopRenders() override {
        ++asked;
        return yes;
    }
    bool yes = false;
    int asked = 0;
};

TEST(ConfirmStopPerpetuations, AsksOnlyWhileRendersRunAndYesStopsThemLastFirst) {
    RunningRenders renders;
    RecordingHost host;
    Answer answer;
    EXPECT_TRUE(ConfirmStopPerpetuations(renders, answer, host));
    EXPECT_EQ(answer.asked, 0);

    renders.count = 3;
    EXPECT_FALSE(ConfirmStopPerpetuations(renders, answer, host));
    EXPECT_EQ(renders.count, 3);
    EXPECT_TRUE(host.calls.isEmpty());

    answer.yes = true;
    EXPECT_TRUE(ConfirmStopPerpetuations(renders, answer, host));
    EXPECT_EQ(renders.removed, (std::vector{2, 1, 0}));
    EXPECT_EQ(host.calls, QStringList{"title"});
    EXPECT_EQ(answer.asked, 2);
}

TEST(ConfirmStopPerpetuations, TheBoxIsAWarningWithItsTextsInsideTheDialogState) {
    TWideMemIniFile settings(QString{});
    settings.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
    LoadParlance(settings, QStringLiteral(GBX_SOURCE_DIR) + "/data/");
    RecordingHost host;
    StopRendersBox box(host);
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            seen << shown->windowTitle() << shown->text() << host.calls.join(",");
            EXPECT_EQ(shown->icon(), QMessageBox::Warning);
            shown->button(button)->click();
        });
        EXPECT_EQ(box.AskStopRenders(), button == QMessageBox::Yes);
        EXPECT_EQ(seen, (QStringList{Text(101), Text(369), "aside,dim"}));
        EXPECT_EQ(host.calls, (QStringList{"aside", "dim", "undim", "return"}));
        host.calls.clear();
    }
    FreeParlance();
}

} // namespace
