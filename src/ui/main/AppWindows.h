#pragma once

#include "core/session/Session.h"

#include <memory>

namespace velkarn {

class AboutWindow;
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

    std::unique_ptr<SplashWindow> splashWindow;
    std::unique_ptr<SearchingWindow> searchingWindow;
    std::unique_ptr<SetupInfoWindow> setupInfoWindow;
    std::unique_ptr<TestReportWindow> testReportWindow;
    std::unique_ptr<AboutWindow> aboutWindow;
    std::unique_ptr<ModEditWindow> modEditWindow;
    std::unique_ptr<GameOptionsWindow> gameOptionsWindow;
    std::unique_ptr<PlayerOptionsWindow> playerOptionsWindow;
    std::unique_ptr<FindServersWindow> findServersWindow;
    std::unique_ptr<RemoteConsoleWindow> remoteConsoleWindow;
    // Says when a buddy comes onto a server.
    std::unique_ptr<DesktopNotifier> desktopNotifier;
    std::unique_ptr<ResultsWindow> resultsWindow;
    std::unique_ptr<MainWindow> mainWindow;
};

} // namespace velkarn
