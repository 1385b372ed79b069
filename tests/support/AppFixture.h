#pragma once

#include "app/Forms.h"
#include "app/MainWindow.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"

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
    TfmMain& main() { return *forms().fmMain; }
    // Closes the main window as the user would; true when it closed.
    bool closeMain();

public:
    // One nine-line record of maps.txt.
    static std::string mapRecord(const std::string& fileName, const std::string& title,
                                 int botCount, bool ffa, bool tourney, bool team, bool ctf);
};

} // namespace velkarn::test
