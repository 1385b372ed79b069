#pragma once

#include "core/session/Session.h"
#include "support/MapRecords.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "ui/main/AppWindows.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace velkarn::test {

// The windows of a run over a temporary list-file folder, with the dialog seam answered.
class AppFixture : public ::testing::Test {
protected:
    TempFolder app;
    RecordingDialogs dialogs;
    std::unique_ptr<Session> session;
    std::unique_ptr<AppWindows> windows;

    // Creates the session and the windows, without the start-up.
    void createWindows();
    // Creates the windows and runs the start-up (splash, list files, refresh of the lists).
    void start();
    MainWindow& mainWindow() { return windows->mainWindow(); }
    // The one window of the run of this type, or nullptr.
    template <typename Window> Window* findWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = dynamic_cast<Window*>(widget))
                return found;
        return nullptr;
    }
    template <typename Window> Window& window() {
        if (Window* found = findWindow<Window>())
            return *found;
        throw std::logic_error("no such window");
    }
    // Closes the main window as the user would; true when it closed.
    bool closeMain();
};

} // namespace velkarn::test
