#include "ui/main/MainWindow.h"

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
#include "ui/widgets/SpinEdit.h"
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
