#pragma once

#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "ui/main/Forms.h"

#include <gtest/gtest.h>
#include <memory>

namespace velkarn::test {

// The program's windows in a fresh appDir, with dialogs answered by the test.
class OptionsWindowsTest : public ::testing::Test {
protected:
    TempFolder app;
    RecordingDialogs dialogs;
    std::unique_ptr<FormSet> windows;

    // Creates the ten windows; list files written before are read as at a program start.
    void createWindows() { windows = std::make_unique<FormSet>(app.path(), 1); }
};

} // namespace velkarn::test
