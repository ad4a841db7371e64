// One QApplication for a whole test program, on the offscreen platform unless told otherwise.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

class GuiTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }
    // A death test's child ends with exit() inside its test, so TearDown never runs; Qt's own
    // statics are gone by the time this runs, and the application is left to the process's end.
    ~GuiTestEnvironment() override { (void)m_app.release(); }

private:
    std::unique_ptr<QApplication> m_app;
};
