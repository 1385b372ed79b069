#include "ui/main/MainWindow.h"

#include "core/content/GameFolderSearch.h"
#include "core/content/MapNavigation.h"
#include "core/launch/GameLaunch.h"
#include "core/launch/ServerListFile.h"
#include "ui/widgets/Dialogs.h"
#include "ui/main/AboutWindow.h"
#include "ui/main/BeginPage.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/NetworkPage.h"
#include "ui/main/SimplePage.h"
#include "ui/main/SplashWindow.h"
#include "ui/network/FindServersWindow.h"
#include "ui/network/NewServerGroup.h"
#include "ui/network/ServersGroup.h"
#include "ui/network/SetupNewGroup.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/options/TestReportWindow.h"
#include "ui/search/SearchDriver.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/NumberSpin.h"
#include "ui/widgets/ScriptPreviewWindow.h"
#include "ui/widgets/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStyle>
#include <exception>

namespace velkarn {

namespace {

constexpr int ClientWidth = 750;
constexpr int ClientHeight = 567;

} // namespace

MainWindow::MainWindow(Session& session, Companions companions)
    : session_(session), companions_(companions) {
    setObjectName("mainWindow");
    setWindowTitle("Velkarn");
    quitEventLoop = [] { QCoreApplication::exit(0); };
    createPages();
    connectPages();
    createMenus();
    // Fixed size: no maximise, the client area as designed.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    centralWidget()->setFixedSize(ClientWidth, ClientHeight);
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::createPages() {
    pageTabs = new QTabWidget(this);
    pageTabs->setObjectName("pageTabs");
    beginPage = new BeginPage;
    simplePage = new SimplePage(session_.setup, session_.random, session_.results);
    complexPage = new ComplexPage(session_.setup, session_.random);
    networkPage = new NetworkPage(session_);
    beginTab = beginPage;
    simpleTab = simplePage;
    complexTab = complexPage;
    networkTab = networkPage;
    beginTab->setObjectName("beginTab");
    simpleTab->setObjectName("simpleTab");
    complexTab->setObjectName("complexTab");
    networkTab->setObjectName("networkTab");
    pageTabs->addTab(beginTab, "Begin");
    pageTabs->addTab(simpleTab, "Simple");
    pageTabs->addTab(complexTab, "Complex");
    pageTabs->addTab(networkTab, "Network");
    setCentralWidget(pageTabs);
}

void MainWindow::connectPages() {
    connectGuarded(beginPage->goButton, &QPushButton::clicked, this, [this] { goToChosenPage(); });
    for (QPushButton* back :
         {simplePage->backButton, complexPage->backButton, networkPage->backButton})
        connectGuarded(back, &QPushButton::clicked, this, [this] { showBeginPage(); });
    complexPage->mapsGroup->findMaps = [this] { searchGameFolder(); };
    connectGuarded(complexPage->playButton, &QPushButton::clicked, this,
                   [this] { playRotation(); });
    connectGuarded(simplePage->playSetupButton, &QPushButton::clicked, this,
                   [this] { playRotation(); });
    for (QPushButton* script : {complexPage->scriptButton, simplePage->setupScriptButton})
        connectGuarded(script, &QPushButton::clicked, this, [this] { showRotationScript(); });
    connectGuarded(simplePage->preDefinedSetupList, &QListWidget::itemClicked, this,
                   [this] { loadChosenSetup(); });
    connectGuarded(beginPage->reportBugButton, &QPushButton::clicked, this,
                   [this] { showModeless(&companions_.testReport); });
    connect(networkPage->serversGroup, &ServersGroup::findServersRequested, this,
            [this] { showModeless(&companions_.findServers); });
    connectGuarded(simplePage->newSetupGroup, &SetupNewGroup::rotationBuilt, this, [this] {
        showNewRotation();
        playRotation();
    });
    connect(&session_, &Session::catalogueChanged, this, [this] {
        complexPage->mapsGroup->showMaps();
        networkPage->newServerGroup->showMaps();
        complexPage->botsGroup->showBotNames();
        const auto archives = gameArchives(session_.game.contentFolders());
        complexPage->mapsGroup->useNavigationFrom(archives);
        networkPage->newServerGroup->useNavigationFrom(archives);
    });
}

void MainWindow::createMenus() {
    auto action = [this](QMenu* menu, const QString& text, const char* name,
                         std::function<void()> handler) {
        QAction* item = menu->addAction(text);
        item->setObjectName(name);
        connectGuarded(item, &QAction::triggered, this, [handler] { handler(); });
        return item;
    };
    QMenu* file = menuBar()->addMenu("&File");
    openAction = action(file, "&Open", "openAction", [this] { openSetup(); });
    saveAction = action(file, "&Save", "saveAction", [this] { saveSetup(); });
    saveAction->setShortcut(QKeySequence("Ctrl+S"));
    saveAsAction = action(file, "Save &as ...", "saveAsAction", [this] { saveSetupAs(); });
    file->addSeparator();
    resultsAction =
        action(file, "&Results...", "resultsAction", [this] { emit resultsRequested(); });
    resultsAction->setShortcut(QKeySequence("Ctrl+R"));
    file->addSeparator();
    exitAction = action(file, "E&xit", "exitAction", [this] { exitProgram(); });

    QMenu* options = menuBar()->addMenu("&Options");
    gameOptionsAction = action(options, "G&ame...", "gameOptionsAction",
                               [this] { showModeless(&companions_.gameOptions); });
    playerOptionsAction = action(options, "&Player...", "playerOptionsAction",
                                 [this] { showModeless(&companions_.playerOptions); });

    QMenu* help = menuBar()->addMenu("&Help");
    aboutAction =
        action(help, "&About...", "aboutAction", [this] { showModeless(&companions_.about); });
    testReportAction = action(help, "&Test Report...", "testReportAction",
                              [this] { showModeless(&companions_.testReport); });
}

void MainWindow::showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::goToChosenPage() {
    switch (beginPage->setupTypeGroup->itemIndex()) {
    case BeginPage::PreDefined:
        simplePage->showPreDefined(true);
        pageTabs->setCurrentWidget(simpleTab);
        break;
    case BeginPage::SetupSimple:
        simplePage->showPreDefined(false);
        pageTabs->setCurrentWidget(simpleTab);
        break;
    case BeginPage::SetupComplex:
        pageTabs->setCurrentWidget(complexTab);
        break;
    case BeginPage::JoinNetwork:
        networkPage->showServers(true);
        pageTabs->setCurrentWidget(networkTab);
        break;
    case BeginPage::CreateNetwork:
        networkPage->showServers(false);
        pageTabs->setCurrentWidget(networkTab);
        break;
    default:
        break;
    }
}

void MainWindow::showBeginPage() {
    pageTabs->setCurrentWidget(beginTab);
}

void MainWindow::exitProgram() {
    quitEventLoop();
}

void MainWindow::playRotation() {
    commitTypedNumbers();
    const GameSettings game = session_.game.launchSettings();
    const Rotation& rotation = session_.setup.rotation;
    NavigationIndex navigation(gameArchives(game.installation.contentFolders()));
    const auto stranded =
        mapsWithoutNavigation(rotation, session_.setup.catalogue.mapFiles, navigation);
    if (!stranded.empty() && !dialogs().askYesNo(missingNavigationQuestion(stranded)))
        return;
    requireGameStarted(playLocal(game, session_.player.settings(), rotation));
}

void MainWindow::searchGameFolder() {
    velkarn::searchGameFolder(session_, companions_.searching);
}

void MainWindow::showNewRotation() {
    MapsGroup& maps = *complexPage->mapsGroup;
    BotsGroup& bots = *complexPage->botsGroup;
    const Rotation& rotation = session_.setup.rotation;
    maps.showRotation();
    if (rotation.empty())
        return;
    maps.makeCurrent(static_cast<int>(rotation.size()) - 1);
    bots.enableBotControls(true);
    bots.setTeamGame(isTeamGame(rotation.back()->gameType));
    bots.showRoster(*rotation.back());
}

void MainWindow::showRotationScript() {
    commitTypedNumbers();
    showLaunchPreview(
        previewLaunch(session_.game.launchSettings(), LaunchPath::LocalPlay,
                      localScriptLines(session_.player.settings(), session_.setup.rotation)));
}

void MainWindow::startUp() {
    dialogs().runModal(companions_.splash);
    readListFiles();
    MapsGroup& maps = *complexPage->mapsGroup;
    BotsGroup& bots = *complexPage->botsGroup;
    bots.skillCombo->setCurrentIndex(0);
    bots.randomSkillCombo->setCurrentIndex(0);
    bots.randomTeamCombo->setCurrentIndex(0);
    bots.setTeamGame(false);
    // At start the team list shows its first team, disabled, rather than "None".
    bots.teamCombo->setCurrentIndex(0);
    if (session_.setup.rotation.empty())
        bots.enableBotControls(false);
    networkPage->serversGroup->showServers();
    // The search refreshes the map, bot and model lists from the catalogue read above.
    runGuarded([this] { searchGameFolder(); });
    maps.showChosenMap();
    networkPage->newServerGroup->showChosenServerMap();
    listPreDefinedSetups();
}

void MainWindow::readListFiles() {
    startup = session_.readListFiles();
    // path.txt comes first, as it is read first; then what went wrong with the other files.
    if (startup.pathFileMissing)
        companions_.gameOptions.settleFirstStart();
    for (const auto& error : startup.errors)
        dialogs().showMessage(error);
    // After the catalogue, since a setup looks its maps up in it; a broken default setup is
    // reported and the start-up goes on.
    runGuarded([this] { loadDefaultSetup(); });
}

void MainWindow::saveServerList() {
    // A server list that could not be read at start-up is kept rather than overwritten.
    if (!startup.serverListReadable)
        return;
    writeServerList(session_.appDir() + "servers.txt", session_.setup.servers);
}

void MainWindow::saveAtClose() {
    // Both are written even when the first fails; the first failure is then reported.
    std::exception_ptr failure;
    try {
        saveDefaultSetup();
    } catch (...) {
        failure = std::current_exception();
    }
    saveServerList();
    if (failure)
        std::rethrow_exception(failure);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool saved = false;
    runGuarded([&] {
        saveAtClose();
        saved = true;
    });
    // When saving failed the window stays open, so nothing is lost; File, Exit still leaves.
    if (saved) {
        event->accept();
        QMainWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

} // namespace velkarn
