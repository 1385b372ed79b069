#include "ui/main/AppWindows.h"

#include "ui/main/AboutWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SplashWindow.h"
#include "ui/network/FindServersWindow.h"
#include "ui/network/RemoteConsoleWindow.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/ModEditWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/options/TestReportWindow.h"
#include "ui/results/ResultsWindow.h"
#include "ui/rotation/SetupInfoWindow.h"
#include "ui/search/SearchingWindow.h"
#include "ui/widgets/DesktopNotifier.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

AppWindows::AppWindows(Session& session)
    : splashWindow(std::make_unique<SplashWindow>()),
      searchingWindow(std::make_unique<SearchingWindow>()),
      setupInfoWindow(std::make_unique<SetupInfoWindow>()),
      testReportWindow(std::make_unique<TestReportWindow>(session.appDir())),
      aboutWindow(std::make_unique<AboutWindow>()),
      modEditWindow(std::make_unique<ModEditWindow>()),
      gameOptionsWindow(std::make_unique<GameOptionsWindow>(session.game, *modEditWindow)),
      playerOptionsWindow(std::make_unique<PlayerOptionsWindow>(session)),
      findServersWindow(std::make_unique<FindServersWindow>(session)),
      remoteConsoleWindow(std::make_unique<RemoteConsoleWindow>(session.setupFolder())),
      desktopNotifier(std::make_unique<DesktopNotifier>()),
      resultsWindow(std::make_unique<ResultsWindow>(session.results)),
      mainWindow(std::make_unique<MainWindow>(
          session, MainWindow::Companions{*splashWindow, *searchingWindow, *setupInfoWindow,
                                          *testReportWindow, *aboutWindow, *gameOptionsWindow,
                                          *playerOptionsWindow, *findServersWindow})) {
    QObject::connect(aboutWindow.get(), &AboutWindow::testReportRequested, testReportWindow.get(),
                     [this] {
                         testReportWindow->show();
                         testReportWindow->raise();
                     });
    QObject::connect(mainWindow.get(), &MainWindow::resultsRequested, resultsWindow.get(),
                     [this] { resultsWindow->showResults(); });
    QObject::connect(findServersWindow.get(), &FindServersWindow::remoteConsoleRequested,
                     remoteConsoleWindow.get(), &RemoteConsoleWindow::openFor);
    QObject::connect(mainWindow.get(), &MainWindow::remoteConsoleRequested,
                     remoteConsoleWindow.get(), &RemoteConsoleWindow::openFor);
    QObject::connect(
        &session.buddies, &BuddyBook::buddyAppeared, desktopNotifier.get(),
        [this](const std::string& buddy, const std::string& hostName, const std::string& address) {
            desktopNotifier->notify(local(buddy) + " is playing",
                                    "on " + local(hostName) + " (" + local(address) + ")");
        });
}

// Members go in reverse order of their declaration: the main window first.
AppWindows::~AppWindows() = default;

} // namespace velkarn
