#include "app/FileDialogHelp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

void pressF1(QWidget& widget, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_F1, modifiers);
    QApplication::sendEvent(&widget, &event);
}

TEST(FileDialogHelp, F1InsideAFileDialogShowsTheNoteOverItAndNowhereElse) {
    std::vector<QWidget*> shownOver;
    FileDialogHelp help([&shownOver](QWidget& dialog) { shownOver.push_back(&dialog); });
    qApp->installEventFilter(&help);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* name = dialog.findChild<QLineEdit*>();
    ASSERT_NE(name, nullptr);
    QWidget elsewhere;

    pressF1(*name);
    pressF1(*name, Qt::ShiftModifier);
    pressF1(elsewhere);
    qApp->removeEventFilter(&help);
    EXPECT_EQ(shownOver, std::vector<QWidget*>{&dialog});
}

} // namespace
