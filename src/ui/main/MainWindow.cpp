#include "ui/main/MainWindow.h"

#include "core/content/GameFolderSearch.h"
#include "core/content/MapNavigation.h"
#include "core/launch/GameLaunch.h"
#include "ui/main/AboutWindow.h"
#include "ui/main/BeginPage.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/NetworkPage.h"
#include "ui/main/ScriptPreviewWindow.h"
#include "ui/main/SimplePage.h"
#include "ui/main/SplashWindow.h"
#include "ui/network/FindServersWindow.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/options/TestReportWindow.h"
#include "ui/search/SearchDriver.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/NumberSpin.h"
#include "ui/widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTabBar>

namespace velkarn {

MainWindow::MainWindow(Session& session, Companions companions)
    : session_(session), companions_(companions) {
    setObjectName("mainWindow");
    setWindowTitle("Velkarn");
    createPages();
    connectPages();
    createMenus();
    rememberPlacement(this, QSize(900, 660));
}

MainWindow::~MainWindow() = default;

void MainWindow::createPages() {
    pageTabs_ = new QTabWidget(this);
    pageTabs_->setObjectName("pageTabs");
    pageTabs_->setAccessibleName("Pages");
    pageTabs_->tabBar()->setAccessibleName("Pages");
    beginPage_ = new BeginPage;
    simplePage_ = new SimplePage(session_);
    complexPage_ = new ComplexPage(session_);
    networkPage_ = new NetworkPage(session_);
    beginPage_->setObjectName("beginTab");
    simplePage_->setObjectName("simpleTab");
    complexPage_->setObjectName("complexTab");
    networkPage_->setObjectName("networkTab");
    pageTabs_->addTab(beginPage_, "Begin");
    pageTabs_->addTab(simplePage_, "Simple");
    pageTabs_->addTab(complexPage_, "Complex");
    pageTabs_->addTab(networkPage_, "Network");
    setCentralWidget(pageTabs_);
}

void MainWindow::connectPages() {
    connect(beginPage_, &BeginPage::goRequested, this, [this](BeginPage::SetupType chosen) {
        runGuarded([this, chosen] { goToChosenPage(chosen); });
    });
    connect(beginPage_, &BeginPage::bugReportRequested, this,
            [this] { showModeless(&companions_.testReport); });
    const auto showBegin = [this] { showPage(beginPage_); };
    connect(simplePage_, &SimplePage::backRequested, this, showBegin);
    connect(complexPage_, &ComplexPage::backRequested, this, showBegin);
    connect(networkPage_, &NetworkPage::backRequested, this, showBegin);
    connectGuarded(complexPage_, &ComplexPage::playRequested, this, [this] { playRotation(); });
    connectGuarded(complexPage_, &ComplexPage::scriptRequested, this,
                   [this] { showRotationScript(); });
    connectGuarded(complexPage_, &ComplexPage::findMapsRequested, this,
                   [this] { searchGameFolder(); });
    connectGuarded(simplePage_, &SimplePage::playRequested, this, [this] { playRotation(); });
    connectGuarded(simplePage_, &SimplePage::scriptRequested, this,
                   [this] { showRotationScript(); });
    connect(simplePage_, &SimplePage::setupChosen, this, [this](const std::string& fileName) {
        runGuarded([this, fileName] { loadSetup(fileName); });
    });
    connectGuarded(simplePage_, &SimplePage::randomSeriesBuilt, this, [this] { playRotation(); });
    connect(networkPage_, &NetworkPage::findServersRequested, this,
            [this] { showModeless(&companions_.findServers); });
    connect(networkPage_, &NetworkPage::remoteConsoleRequested, this,
            &MainWindow::remoteConsoleRequested);
    connect(&session_, &Session::catalogueChanged, this, [this] { catalogueChanged(); });
}

void MainWindow::createMenus() {
    auto action = [this](QMenu* menu, const QString& text, const char* name,
                         const QKeySequence& shortcut, const std::function<void()>& handler) {
        QAction* item = menu->addAction(text);
        item->setObjectName(name);
        item->setShortcut(shortcut);
        connectGuarded(item, &QAction::triggered, this, [handler] { handler(); });
        return item;
    };
    QMenu* file = menuBar()->addMenu("&File");
    action(file, "&Open...", "openAction", QKeySequence::Open, [this] { openSetup(); });
    action(file, "&Save", "saveAction", QKeySequence::Save, [this] { saveSetup(); });
    // Only some desktops give Save As a standard key; elsewhere it gets the one they use.
    const QKeySequence saveAsKey = QKeySequence(QKeySequence::SaveAs).isEmpty()
                                       ? QKeySequence("Ctrl+Shift+S")
                                       : QKeySequence(QKeySequence::SaveAs);
    action(file, "Save &As...", "saveAsAction", saveAsKey, [this] { saveSetupAs(); });
    action(file, "Add to &Menu...", "addToMenuAction", {}, [this] { addSetupToMenu(); });
    file->addSeparator();
    action(file, "&Results...", "resultsAction", QKeySequence("Ctrl+R"),
           [this] { emit resultsRequested(); });
    action(file, "&Demos...", "demosAction", {}, [this] { emit demosRequested(); });
    file->addSeparator();
    action(file, "E&xit", "exitAction", QKeySequence::Quit, [this] { emit exitRequested(); });

    QMenu* options = menuBar()->addMenu("&Options");
    action(options, "G&ame...", "gameOptionsAction", {},
           [this] { showModeless(&companions_.gameOptions); });
    action(options, "&Player...", "playerOptionsAction", {},
           [this] { showModeless(&companions_.playerOptions); });

    QMenu* help = menuBar()->addMenu("&Help");
    action(help, "&About...", "aboutAction", {}, [this] { showModeless(&companions_.about); });
    action(help, "&Test Report...", "testReportAction", {},
           [this] { showModeless(&companions_.testReport); });
}

void MainWindow::showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::goToChosenPage(int setupType) {
    switch (setupType) {
    case BeginPage::PreDefined:
    case BeginPage::SetupSimple:
        simplePage_->showPreDefined(setupType == BeginPage::PreDefined);
        showPage(simplePage_);
        break;
    case BeginPage::SetupComplex:
        showPage(complexPage_);
        break;
    case BeginPage::JoinNetwork:
    case BeginPage::CreateNetwork:
        networkPage_->showServers(setupType == BeginPage::JoinNetwork);
        showPage(networkPage_);
        break;
    default:
        break;
    }
}

void MainWindow::showPage(QWidget* page) {
    pageTabs_->setCurrentWidget(page);
    page->setFocus();
}

void MainWindow::playRotation() {
    const GameSettings game = session_.game.launchSettings();
    const Rotation& rotation = session_.setup.rotation;
    NavigationIndex navigation(gameArchives(game.installation.contentFolders()));
    const auto stranded =
        mapsWithoutNavigation(rotation, session_.setup.catalogue.mapFiles, navigation);
    if (!stranded.empty() && !dialogs().askYesNo(missingNavigationQuestion(stranded)))
        return;
    requireGameStarted(
        playLocal(game, session_.player.settings(), rotation, session_.setup.catalogue.botNames));
}

void MainWindow::showRotationScript() {
    showLaunchPreview(
        previewLaunch(session_.game.launchSettings(), LaunchPath::LocalPlay,
                      localScriptLines(session_.player.settings(), session_.setup.rotation,
                                       session_.setup.catalogue.botNames)));
}

void MainWindow::searchGameFolder() {
    velkarn::searchGameFolder(session_, companions_.searching);
}

void MainWindow::catalogueChanged() {
    const auto archives = gameArchives(session_.game.contentFolders());
    complexPage_->useNavigationFrom(archives);
    networkPage_->useNavigationFrom(archives);
}

void MainWindow::startUp() {
    SplashWindow& splash = companions_.splash;
    splash.show();
    QCoreApplication::processEvents();
    std::vector<std::string> said = readListFiles();
    try {
        for (std::string& message : searchGameFolderAtStart(session_))
            said.push_back(std::move(message));
    } catch (const std::exception& error) {
        said.emplace_back(error.what());
    }
    // The rest of the splash's two seconds, unless a click or a key ended them.
    if (splash.isVisible())
        dialogs().runModal(splash);
    show();
    showPage(beginPage_);
    for (const std::string& message : said)
        dialogs().showMessage(message);
}

std::vector<std::string> MainWindow::readListFiles() {
    const StartupFiles startup = session_.readListFiles();
    networkPage_->listFilesRead();
    // path.txt comes first, as it is read first: asking for the game needs the splash gone.
    if (startup.pathFileMissing && !companions_.gameOptions.useInstallationFound()) {
        companions_.splash.close();
        companions_.gameOptions.askForGameFolder();
    }
    std::vector<std::string> said = startup.errors;
    // After the catalogue, since a setup looks its maps up in it; a broken default setup is
    // said and the start-up goes on.
    SetupReadResult read;
    try {
        session_.loadDefaultSetup(read);
    } catch (const std::exception& error) {
        said.emplace_back(error.what());
    }
    // Velkarn's own last setup, read before the search that may change the catalogue: only
    // what no script could carry is said now.
    for (std::string& problem : read.problems)
        said.push_back(std::move(problem));
    simplePage_->showSetupInfo(read.info);
    return said;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool saved = false;
    runGuarded([&] {
        session_.saveAtClose();
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
