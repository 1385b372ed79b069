#include "ui/main/AppWindows.h"

#include "ui/demos/DemosWindow.h"
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
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

AppWindows::AppWindows(Session& session)
    : splashWindow_(std::make_unique<SplashWindow>()),
      searchingWindow_(std::make_unique<SearchingWindow>()),
      setupInfoWindow_(std::make_unique<SetupInfoWindow>()),
      testReportWindow_(std::make_unique<TestReportWindow>(session.appDir())),
      aboutWindow_(std::make_unique<AboutWindow>()),
      modEditWindow_(std::make_unique<ModEditWindow>()),
      gameOptionsWindow_(std::make_unique<GameOptionsWindow>(session.game, *modEditWindow_)),
      playerOptionsWindow_(std::make_unique<PlayerOptionsWindow>(session)),
      findServersWindow_(std::make_unique<FindServersWindow>(session)),
      remoteConsoleWindow_(std::make_unique<RemoteConsoleWindow>(session.setupFolder())),
      desktopNotifier_(std::make_unique<DesktopNotifier>()),
      resultsWindow_(std::make_unique<ResultsWindow>(session)),
      demosWindow_(std::make_unique<DemosWindow>(session)),
      mainWindow_(std::make_unique<MainWindow>(
          session, MainWindow::Companions{*splashWindow_, *searchingWindow_, *setupInfoWindow_,
                                          *testReportWindow_, *aboutWindow_, *gameOptionsWindow_,
                                          *playerOptionsWindow_, *findServersWindow_})) {
    QObject::connect(aboutWindow_.get(), &AboutWindow::testReportRequested, testReportWindow_.get(),
                     [this] {
                         testReportWindow_->show();
                         testReportWindow_->raise();
                     });
    QObject::connect(mainWindow_.get(), &MainWindow::resultsRequested, resultsWindow_.get(),
                     [this] { resultsWindow_->showResults(); });
    QObject::connect(mainWindow_.get(), &MainWindow::demosRequested, demosWindow_.get(),
                     [this] { demosWindow_->showDemos(); });
    QObject::connect(findServersWindow_.get(), &FindServersWindow::remoteConsoleRequested,
                     remoteConsoleWindow_.get(), &RemoteConsoleWindow::openFor);
    QObject::connect(mainWindow_.get(), &MainWindow::remoteConsoleRequested,
                     remoteConsoleWindow_.get(), &RemoteConsoleWindow::openFor);
    QObject::connect(
        &session.buddies, &BuddyBook::buddyAppeared, desktopNotifier_.get(),
        [this](const std::string& buddy, const std::string& hostName, const std::string& address) {
            desktopNotifier_->notify(local(buddy) + " is playing",
                                     "on " + local(hostName) + " (" + local(address) + ")");
        });
}

void AppWindows::start() {
    runGuarded([this] { mainWindow_->startUp(); });
    // Whatever went wrong in the start, the program never sits without its window.
    if (!mainWindow_->isVisible())
        mainWindow_->show();
}

// Members go in reverse order of their declaration: the main window first.
AppWindows::~AppWindows() = default;

} // namespace velkarn
