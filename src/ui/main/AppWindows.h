#pragma once

#include "core/session/Session.h"

#include <memory>

namespace velkarn {

class AboutWindow;
class DemosWindow;
class DesktopNotifier;
class SetupInfoWindow;
class FindServersWindow;
class GameOptionsWindow;
class MainWindow;
class ModEditWindow;
class PlayerOptionsWindow;
class RemoteConsoleWindow;
class ResultsWindow;
class SearchingWindow;
class SplashWindow;
class TestReportWindow;

// The windows of one run over one session. Each exists once; the secondary windows are made
// first and handed to the windows that open them, and the main window last; they are destroyed
// in reverse order. Closing a secondary window hides it.
class AppWindows {
public:
    explicit AppWindows(Session& session);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    // The start of a run: the main window's start-up, and the main window shown whatever went
    // wrong in it.
    void start();
    // The window every other one is opened from.
    MainWindow& mainWindow() { return *mainWindow_; }

private:
    std::unique_ptr<SplashWindow> splashWindow_;
    std::unique_ptr<SearchingWindow> searchingWindow_;
    std::unique_ptr<SetupInfoWindow> setupInfoWindow_;
    std::unique_ptr<TestReportWindow> testReportWindow_;
    std::unique_ptr<AboutWindow> aboutWindow_;
    std::unique_ptr<ModEditWindow> modEditWindow_;
    std::unique_ptr<GameOptionsWindow> gameOptionsWindow_;
    std::unique_ptr<PlayerOptionsWindow> playerOptionsWindow_;
    std::unique_ptr<FindServersWindow> findServersWindow_;
    std::unique_ptr<RemoteConsoleWindow> remoteConsoleWindow_;
    // Says when a buddy comes onto a server.
    std::unique_ptr<DesktopNotifier> desktopNotifier_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
    std::unique_ptr<DemosWindow> demosWindow_;
    std::unique_ptr<MainWindow> mainWindow_;
};

} // namespace velkarn
