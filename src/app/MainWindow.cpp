#include "app/MainWindow.h"

#include "app/AboutWindow.h"
#include "app/BeginPage.h"
#include "app/ComplexPage.h"
#include "app/Forms.h"
#include "app/LaunchSettings.h"
#include "app/NetworkPage.h"
#include "app/SimplePage.h"
#include "app/SplashWindow.h"
#include "catalogue/SearchDriver.h"
#include "components/SpinEdit.h"
#include "components/WindowPlacement.h"
#include "launch/GameLaunch.h"
#include "launch/NewServerGroup.h"
#include "launch/ServerListFile.h"
#include "launch/ServersGroup.h"
#include "options/GameOptionsWindow.h"
#include "options/PlayerOptionsWindow.h"
#include "options/TestReportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

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

TfmMain::TfmMain(const std::string& appDir, std::uint32_t seed) : AppDir(appDir), random(seed) {
    setObjectName("fmMain");
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

TfmMain::~TfmMain() = default;

void TfmMain::createPages() {
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    beginPage = new BeginPage;
    simplePage = new SimplePage;
    complexPage = new ComplexPage(model, random);
    networkPage = new NetworkPage;
    tabBegin = beginPage;
    tabSimple = simplePage;
    tabComplex = complexPage;
    tabNetwork = networkPage;
    tabBegin->setObjectName("tabBegin");
    tabSimple->setObjectName("tabSimple");
    tabComplex->setObjectName("tabComplex");
    tabNetwork->setObjectName("tabNetwork");
    PageControl->addTab(tabBegin, "Begin");
    PageControl->addTab(tabSimple, "Simple");
    PageControl->addTab(tabComplex, "Complex");
    PageControl->addTab(tabNetwork, "Network");
    setCentralWidget(PageControl);

    connectGuarded(beginPage->butGo, &QPushButton::clicked, this, [this] { butGoClick(); });
    for (QPushButton* back :
         {simplePage->butSimpleBack, complexPage->butComplexBack, networkPage->butNetworkBack})
        connectGuarded(back, &QPushButton::clicked, this, [this] { butSimpleBackClick(); });
    complexPage->gbMaps->findMaps = [] { SearchGameFolder(); };
    connectGuarded(complexPage->butPlay, &QPushButton::clicked, this, [this] { butPlayClick(); });
    connectGuarded(simplePage->butSimplePlay, &QPushButton::clicked, this,
                   [this] { butPlayClick(); });
    connectGuarded(simplePage->lbSimpleConfigs, &QListWidget::itemClicked, this,
                   [this] { lbSimpleConfigsClick(); });
    connectGuarded(beginPage->butSmallTestReport, &QPushButton::clicked, this,
                   [this] { showModeless(forms().fmTestReport); });
}

void TfmMain::createMenus() {
    auto action = [this](QMenu* menu, const QString& text, const char* name,
                         std::function<void()> handler) {
        QAction* item = menu->addAction(text);
        item->setObjectName(name);
        connectGuarded(item, &QAction::triggered, this, [handler] { handler(); });
        return item;
    };
    QMenu* file = menuBar()->addMenu("&File");
    Load1 = action(file, "&Open", "Load1", [this] { Load1Click(); });
    Save2 = action(file, "&Save", "Save2", [this] { Save2Click(); });
    Save2->setShortcut(QKeySequence("Ctrl+S"));
    Save1 = action(file, "Save &as ...", "Save1", [this] { Save1Click(); });
    file->addSeparator();
    Exit1 = action(file, "E&xit", "Exit1", [this] { Exit1Click(); });

    QMenu* options = menuBar()->addMenu("&Options");
    Game1 = action(options, "G&ame...", "Game1", [this] { showModeless(forms().fmGameOptions); });
    Player1 =
        action(options, "&Player...", "Player1", [this] { showModeless(forms().fmPlayerOptions); });

    QMenu* help = menuBar()->addMenu("&Help");
    About1 = action(help, "&About...", "About1", [this] { showModeless(forms().fmAbout); });
    TestReport1 = action(help, "&Test Report...", "TestReport1",
                         [this] { showModeless(forms().fmTestReport); });
}

void TfmMain::showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void TfmMain::butGoClick() {
    switch (beginPage->rgConfigType->itemIndex()) {
    case BeginPage::PreDefined:
        simplePage->showPreDefined(true);
        PageControl->setCurrentWidget(tabSimple);
        break;
    case BeginPage::SetupSimple:
        simplePage->showPreDefined(false);
        PageControl->setCurrentWidget(tabSimple);
        break;
    case BeginPage::SetupComplex:
        PageControl->setCurrentWidget(tabComplex);
        break;
    case BeginPage::JoinNetwork:
        networkPage->showServers(true);
        PageControl->setCurrentWidget(tabNetwork);
        break;
    case BeginPage::CreateNetwork:
        networkPage->showServers(false);
        PageControl->setCurrentWidget(tabNetwork);
        break;
    default:
        break;
    }
}

void TfmMain::butSimpleBackClick() {
    PageControl->setCurrentWidget(tabBegin);
}

void TfmMain::Exit1Click() {
    quitEventLoop();
}

void TfmMain::butPlayClick() {
    commitTypedNumbers();
    RequireGameStarted(PlayLocal(currentGameSettings(), currentPlayerSettings(), model.MapList));
}

void TfmMain::FormShow() {
    dialogs().runModal(*forms().fmSplash);
    LoadListFiles();
    MapsGroup& maps = *complexPage->gbMaps;
    BotsGroup& bots = *complexPage->gbBots;
    bots.cbSkill->setCurrentIndex(0);
    bots.cbRanSkill->setCurrentIndex(0);
    bots.cbRanTeam->setCurrentIndex(0);
    bots.setTeamGame(false);
    // At start the team list shows its first team, disabled, rather than "None".
    bots.cbTeam->setCurrentIndex(0);
    if (model.MapList.empty())
        bots.EnableBotControls(false);
    networkPage->gbServers->showServers();
    // The search refreshes the map, bot and model lists from the catalogue read above.
    runGuarded([] { SearchGameFolder(); });
    maps.cbMapChange();
    networkPage->gbNewServer->cbServerMapChange();
    listPreDefinedSetups();
}

void TfmMain::LoadListFiles() {
    startup = velkarn::LoadListFiles(AppDir, model);
    // path.txt comes first, as it is read first; then what went wrong with the other files.
    TfmGameOptions* options = forms().fmGameOptions;
    if (startup.paths)
        options->setPaths(*startup.paths);
    if (startup.pathFileMissing) {
        dialogs().showMessage("Please set Quake III Arena executable path...");
        options->butFindMods->setEnabled(false);
        dialogs().runModal(*options);
        options->butFindMods->setEnabled(true);
    }
    for (const auto& error : startup.errors)
        dialogs().showMessage(error);
    // After the catalogue, since a setup looks its maps up in it; a broken default setup is
    // reported and the start-up goes on.
    runGuarded([this] { loadDefaultSetup(); });
}

void TfmMain::SaveServerList() {
    // A server list that could not be read at start-up is kept rather than overwritten.
    if (!startup.serverListReadable)
        return;
    writeServerList(AppDir + "servers.txt", model.ServerList);
}

void TfmMain::FormClose() {
    // Both are written even when the first fails; the first failure is then reported.
    std::exception_ptr failure;
    try {
        saveDefaultSetup();
    } catch (...) {
        failure = std::current_exception();
    }
    SaveServerList();
    if (failure)
        std::rethrow_exception(failure);
}

void TfmMain::closeEvent(QCloseEvent* event) {
    bool saved = false;
    runGuarded([&] {
        FormClose();
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
