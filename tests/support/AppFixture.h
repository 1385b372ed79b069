#pragma once

#include "support/MapRecords.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace velkarn::test {

// The ten windows of a run over a temporary list-file folder, with the dialog seam answered.
class AppFixture : public ::testing::Test {
protected:
    TempFolder app;
    RecordingDialogs dialogs;
    std::unique_ptr<FormSet> windows;

    // Creates the windows and runs the start-up (splash, list files, refresh of the lists).
    void start();
    MainWindow& mainWindow() { return *forms().mainWindow; }
    // Closes the main window as the user would; true when it closed.
    bool closeMain();
};

} // namespace velkarn::test
