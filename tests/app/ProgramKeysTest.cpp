#include "ProgramFolderFixture.h"
#include "controls/Interior.h"
#include "support/WideMemIniFile.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The program's keys reach its commands and its settings through the session's wiring.
class ProgramKeysTest : public SessionFixture {
protected:
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(session->Window(), &event);
    }
};

TEST_F(ProgramKeysTest, ViewKeysSwitchTheWindowF7WritesTheSettingsNowAndCtrlWCloses) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    TTheInterior& in = session->Window()->Interior();
    press(Qt::Key_R, Qt::AltModifier | Qt::ControlModifier);
    press(Qt::Key_7, Qt::AltModifier);
    EXPECT_FALSE(in.Ruler->Visible);
    EXPECT_FALSE(in.MeterL || in.MeterR);

    press(Qt::Key_F7);
    const TWideMemIniFile written(folders.settingsFile);
    EXPECT_FALSE(written.ReadBool("Ruler", "Visible", true));
    EXPECT_FALSE(written.ReadBool("MasterMeters", "L.Visible", true));
    EXPECT_TRUE(written.ValueExists("GlorinbaxMF", "Width"));

    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(session->Closed());
}

} // namespace
