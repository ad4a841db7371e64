// The whole program in its interactive mode, with the English texts, so that its dialogs show.
#pragma once

#include "ProgramFolderFixture.h"
#include "model/Arrangement.h"

#include <QApplication>
#include <QKeyEvent>

class PlanCommandsWindow : public SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        // The dialogs' titles and filters come from the English texts.
        for (const char* name : {"instructions_en.txt", "nomenclature_en.txt"})
            WriteFile(folders.dataFolder + "parlance/" + name,
                      ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/") + name));
        ASSERT_NO_FATAL_FAILURE(startSession({folders, QString(), SessionMode::Interactive}));
    }
    TThePlan& plan() { return session->Model().plan; }
    // A key pressed on the window, as the user does.
    void press(int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(session->Window(), &event);
    }
    void changePlan() {
        session->Model().balls.Add(2, 1, TPiece::kNoOwnHue, false);
        plan().SetModified(64, true);
    }
    void TearDown() override {
        // Closing asks nothing of an unchanged plan.
        plan().ClearModified();
        SessionFixture::TearDown();
    }
};
