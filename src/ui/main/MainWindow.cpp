#include "ui/main/MainWindow.h"

#include "core/content/GameFolderSearch.h"
#include "core/content/MapNavigation.h"
#include "core/launch/GameLaunch.h"
#include "core/launch/ServerListFile.h"
#include "core/platform/Dialogs.h"
#include "ui/main/AboutWindow.h"
#include "ui/main/BeginPage.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/Forms.h"
#include "ui/main/LaunchSettings.h"
#include "ui/main/NetworkPage.h"
#include "ui/main/SimplePage.h"
#include "ui/main/SplashWindow.h"
#include "ui/network/NewServerGroup.h"
#include "ui/network/ServersGroup.h"
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

MainWindow::MainWindow(const std::string& appDir, std::uint32_t seed)
    : appDir(appDir), random(seed) {
    setObjectName("mainWindow");
    setWindowTitle("Velkarn");
    quitEventLoop = [] { QCoreApplication::exit(0); };
    createPages();
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
    pageTabs->setObjectName("PageControl");
    beginPage = new BeginPage;
    simplePage = new SimplePage;
    complexPage = new ComplexPage(model, random);
    networkPage = new NetworkPage;
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

    connectGuarded(beginPage->goButton, &QPushButton::clicked, this, [this] { goToChosenPage(); });
    for (QPushButton* back :
         {simplePage->backButton, complexPage->backButton, networkPage->backButton})
        connectGuarded(back, &QPushButton::clicked, this, [this] { showBeginPage(); });
    complexPage->mapsGroup->findMaps = [] { searchGameFolder(); };
    connectGuarded(complexPage->playButton, &QPushButton::clicked, this,
                   [this] { playRotation(); });
    connectGuarded(simplePage->playSetupButton, &QPushButton::clicked, this,
                   [this] { playRotation(); });
    for (QPushButton* script : {complexPage->scriptButton, simplePage->setupScriptButton})
        connectGuarded(script, &QPushButton::clicked, this, [this] { showRotationScript(); });
    connectGuarded(simplePage->preDefinedSetupList, &QListWidget::itemClicked, this,
                   [this] { loadChosenSetup(); });
    connectGuarded(beginPage->reportBugButton, &QPushButton::clicked, this,
                   [this] { showModeless(forms().testReportWindow); });
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
    openAction = action(file, "&Open", "Load1", [this] { openSetup(); });
    saveAction = action(file, "&Save", "Save2", [this] { saveSetup(); });
    saveAction->setShortcut(QKeySequence("Ctrl+S"));
    saveAsAction = action(file, "Save &as ...", "Save1", [this] { saveSetupAs(); });
    file->addSeparator();
    exitAction = action(file, "E&xit", "Exit1", [this] { exitProgram(); });

    QMenu* options = menuBar()->addMenu("&Options");
    gameOptionsAction =
        action(options, "G&ame...", "Game1", [this] { showModeless(forms().gameOptionsWindow); });
    playerOptionsAction = action(options, "&Player...", "Player1",
                                 [this] { showModeless(forms().playerOptionsWindow); });

    QMenu* help = menuBar()->addMenu("&Help");
    aboutAction =
        action(help, "&About...", "About1", [this] { showModeless(forms().aboutWindow); });
    testReportAction = action(help, "&Test Report...", "TestReport1",
                              [this] { showModeless(forms().testReportWindow); });
}

void MainWindow::showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::goToChosenPage() {
    switch (beginPage->configTypeGroup->itemIndex()) {
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
    NavigationIndex navigation(gameArchives(currentGameSettings().gameFolder));
    const auto stranded =
        mapsWithoutNavigation(model.rotation, model.catalogue.mapFiles, navigation);
    if (!stranded.empty() && !dialogs().askYesNo(missingNavigationQuestion(stranded)))
        return;
    requireGameStarted(playLocal(currentGameSettings(), currentPlayerSettings(), model.rotation));
}

void MainWindow::showRotationScript() {
    commitTypedNumbers();
    showLaunchPreview(previewLaunch(currentGameSettings(), LaunchPath::LocalPlay,
                                    localScriptLines(currentPlayerSettings(), model.rotation)));
}

void MainWindow::startUp() {
    dialogs().runModal(*forms().splashWindow);
    readListFiles();
    MapsGroup& maps = *complexPage->mapsGroup;
    BotsGroup& bots = *complexPage->botsGroup;
    bots.skillCombo->setCurrentIndex(0);
    bots.randomSkillCombo->setCurrentIndex(0);
    bots.randomTeamCombo->setCurrentIndex(0);
    bots.setTeamGame(false);
    // At start the team list shows its first team, disabled, rather than "None".
    bots.teamCombo->setCurrentIndex(0);
    if (model.rotation.empty())
        bots.enableBotControls(false);
    networkPage->serversGroup->showServers();
    // The search refreshes the map, bot and model lists from the catalogue read above.
    runGuarded([] { searchGameFolder(); });
    maps.showChosenMap();
    networkPage->newServerGroup->showChosenServerMap();
    listPreDefinedSetups();
}

void MainWindow::readListFiles() {
    startup = velkarn::readListFiles(appDir, model);
    // path.txt comes first, as it is read first; then what went wrong with the other files.
    GameOptionsWindow* options = forms().gameOptionsWindow;
    if (startup.paths)
        options->setPaths(*startup.paths);
    if (startup.pathFileMissing) {
        dialogs().showMessage("Please set Quake III Arena executable path...");
        options->findModsButton->setEnabled(false);
        dialogs().runModal(*options);
        options->findModsButton->setEnabled(true);
    }
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
    writeServerList(appDir + "servers.txt", model.servers);
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
