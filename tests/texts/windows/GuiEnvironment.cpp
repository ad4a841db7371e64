// Registers the QApplication for the window tests.
#include "controls/GuiTestEnvironment.h"

[[maybe_unused]] static ::testing::Environment* const guiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiTestEnvironment);
