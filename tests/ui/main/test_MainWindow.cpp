#include "core/platform/FileSystem.h"
#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/GameFolder.h"
#include "support/ZipFixtures.h"
#include "ui/main/AboutWindow.h"
#include "ui/main/AppWindows.h"
#include "ui/main/BeginPage.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/MainWindow.h"
#include "ui/main/NetworkPage.h"
#include "ui/main/SimplePage.h"
#include "ui/main/SplashWindow.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/ModEditWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/options/TestReportWindow.h"
#include "ui/rotation/SetupInfoWindow.h"
#include "ui/search/SearchingWindow.h"
#include "ui/widgets/LinkLabel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class MainWindowTest : public AppFixture {
protected:
    // Debian's ioquake3 engine, without game data.
    void installIoquake3() {
        app.write("root/usr/lib/ioquake3/ioquake3", "");
        std::filesystem::permissions(app.file("root/usr/lib/ioquake3/ioquake3"),
                                     std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
    }
    void go(int item) {
        child<RadioGroup>(mainWindow(), "setupTypeGroup").setItemIndex(item);
        child<QPushButton>(mainWindow(), "goButton").click();
    }
    QWidget* shownPage() { return child<QTabWidget>(mainWindow(), "pageTabs").currentWidget(); }
    QWidget* page(const char* name) { return &child<QWidget>(mainWindow(), name); }
    bool shownOn(const char* pageName, const char* control) {
        return child<QWidget>(*page(pageName), control).isVisibleTo(page(pageName));
    }
    void trigger(const char* action) { child<QAction>(mainWindow(), action).trigger(); }
};

} // namespace

TEST_F(MainWindowTest, TenWindowsExistOnceWithTheirCaptions) {
    createWindows();
    EXPECT_EQ(mainWindow().windowTitle(), "Velkarn");
    EXPECT_EQ(mainWindow().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
        << "the main window can grow and be maximised";
    EXPECT_EQ(window<GameOptionsWindow>().windowTitle(), "Game Options");
    EXPECT_NE(findWindow<ModEditWindow>(), nullptr);
    EXPECT_NE(findWindow<PlayerOptionsWindow>(), nullptr);
    EXPECT_NE(findWindow<SearchingWindow>(), nullptr);
    EXPECT_NE(findWindow<SplashWindow>(), nullptr);
    EXPECT_EQ(window<AboutWindow>().windowTitle(), "About Velkarn...");
    EXPECT_NE(findWindow<TestReportWindow>(), nullptr);
    EXPECT_NE(findWindow<SetupInfoWindow>(), nullptr);
    EXPECT_EQ(shownPage(), page("beginTab"));
    EXPECT_EQ(child<RadioGroup>(mainWindow(), "setupTypeGroup").itemIndex(), 0);
}

TEST_F(MainWindowTest, FirstStartAsksForTheGameFolderAfterTheSplashWhenNoneIsFound) {
    bool findModsDisabledWhileAsked = false;
    dialogs.onModal = [&](QDialog& window) {
        if (window.objectName() == "gameOptionsWindow")
            findModsDisabledWhileAsked = !child<QPushButton>(window, "findModsButton").isEnabled();
    };
    start();
    // The splash gives way to the question.
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"gameOptionsWindow"}));
    // Nothing else: without a game folder the search has nothing to walk.
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Please set Quake III Arena executable path..."}));
    EXPECT_TRUE(findModsDisabledWhileAsked);
    EXPECT_TRUE(child<QPushButton>(window<GameOptionsWindow>(), "findModsButton").isEnabled());
    EXPECT_TRUE(folderExists(app.file("configs")));

    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(fileExists(app.file("servers.txt")));
    EXPECT_EQ(app.read("servers.txt"), "");
}

TEST_F(MainWindowTest, FirstStartUsesAnInstallationWithGameDataWithoutAsking) {
    installIoquake3();
    app.makeFolder("home/.q3a/baseq3");
    writeZip(app.file("home/.q3a/baseq3/pak0.pk3"), {{"maps/q3dm1.bsp", "bsp"}});
    start();
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"splashWindow"}));
    EXPECT_TRUE(dialogs.messages.empty());
    const std::string pathFile = app.read("path.txt");
    EXPECT_TRUE(pathFile.ends_with("\r\ndebian-ioquake3\r\n")) << pathFile;
    EXPECT_EQ(child<QLabel>(window<GameOptionsWindow>(), "homeFolderLabel").text().toStdString(),
              "Home folder: " + app.path() + "home/.q3a/");
    EXPECT_EQ(child<QComboBox>(mainWindow(), "mapCombo").count(), 1) << "and searched";
}

// An engine without data is listed, but left to the user; Escape then keeps nothing, and the
// next start asks again.
TEST_F(MainWindowTest, FirstStartOffersButNeverChoosesAnInstallationWithoutGameData) {
    installIoquake3();
    QStringList shown;
    int chosen = 0;
    dialogs.onModal = [&](QDialog& window) {
        if (window.objectName() != "gameOptionsWindow")
            return;
        const QComboBox& games = child<QComboBox>(window, "installationCombo");
        for (int i = 0; i < games.count(); ++i)
            shown << games.itemText(i);
        chosen = games.currentIndex();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &escape);
    };
    start();
    EXPECT_EQ(shown, QStringList{"ioquake3 (Debian package) (no game data)"});
    EXPECT_EQ(chosen, -1);
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Please set Quake III Arena executable path..."}));
    EXPECT_FALSE(fileExists(app.file("path.txt")));
    EXPECT_FALSE(window<GameOptionsWindow>().isVisible());
}

TEST_F(MainWindowTest, PathFileFillsTheGameOptionsWithoutAsking) {
    app.write("path.txt", "/games/q3/\r\n+set fs_debug 1\r\n");
    start();
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"splashWindow"}));
    EXPECT_EQ(child<QLineEdit>(window<GameOptionsWindow>(), "gameFolderEdit").text(), "/games/q3/");
    EXPECT_EQ(child<QLineEdit>(window<GameOptionsWindow>(), "commandLineEdit").text(),
              "+set fs_debug 1");
    const auto& team = child<QComboBox>(mainWindow(), "teamCombo");
    EXPECT_EQ(team.currentText(), "Blue");
    EXPECT_FALSE(team.isEnabled());
}

// Maps the catalogue cannot resolve at start are no reason to save the setup smaller.
TEST_F(MainWindowTest, BrokenMapsFileKeepsTheServerListAndTheSetupAtClose) {
    app.write("path.txt", "/games/q3/\r\n\r\n");
    app.write("maps.txt", "a.bsp\r\n /p.pk3\r\n t\r\n lots\r\n");
    const std::string servers = "Home\r\n 127.0.0.1\r\n pw\r\nWork\r\n host:27961\r\n \r\n";
    app.write("servers.txt", servers);
    const std::string setup = "3\r\na\r\n 1\r\n 20\r\n 10\r\n 1\r\n  Vexor\r\n   3\r\n   \r\n"
                              "b\r\n 3\r\n 30\r\n 15\r\n 0\r\nc\r\n 2\r\n 0\r\n 0\r\n 0\r\n"
                              "^1Ace\r\nbrute\r\nred\r\n40\r\n[None]\r\n";
    app.write("configs/default.vkn", setup);
    start();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{app.file("maps.txt") +
                                        ", line 1: the file ends inside a record"}));
    EXPECT_EQ(session->setup.servers.size(), 2u);
    EXPECT_TRUE(closeMain());
    EXPECT_EQ(app.read("servers.txt"), servers);
    EXPECT_EQ(app.read("configs/default.vkn"), setup);
}

TEST_F(MainWindowTest, UnreadableServerListIsNotOverwrittenAtClose) {
    app.write("path.txt", "/games/q3/\r\n");
    app.makeFolder("servers.txt");
    start();
    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(folderExists(app.file("servers.txt")));
}

TEST_F(MainWindowTest, ExitLeavesWithoutWriting) {
    app.write("path.txt", "/games/q3/\r\n");
    app.write("servers.txt", "Old\r\n a\r\n b\r\n");
    start();
    bool quit = false;
    QObject::connect(&mainWindow(), &MainWindow::exitRequested, [&] { quit = true; });
    session->setup.servers.clear();
    trigger("exitAction");
    EXPECT_TRUE(quit);
    EXPECT_EQ(app.read("servers.txt"), "Old\r\n a\r\n b\r\n");
}

TEST_F(MainWindowTest, GoLeadsToThePageAndGroupOfTheChoice) {
    app.write("path.txt", "/games/q3/\r\n");
    start();
    go(BeginPage::SetupSimple);
    EXPECT_EQ(shownPage(), page("simpleTab"));
    EXPECT_TRUE(shownOn("simpleTab", "newSetupGroup"));
    EXPECT_FALSE(shownOn("simpleTab", "preDefinedGroup"));
    child<QPushButton>(*page("simpleTab"), "backButton").click();
    EXPECT_EQ(shownPage(), page("beginTab"));

    // Pre-Defined after Setup Simple hides the simple setup group again.
    go(BeginPage::PreDefined);
    EXPECT_FALSE(shownOn("simpleTab", "newSetupGroup"));
    EXPECT_TRUE(shownOn("simpleTab", "preDefinedGroup"));
    EXPECT_TRUE(shownOn("simpleTab", "setupInfoText"));

    go(BeginPage::SetupComplex);
    EXPECT_EQ(shownPage(), page("complexTab"));

    go(BeginPage::CreateNetwork);
    EXPECT_EQ(shownPage(), page("networkTab"));
    EXPECT_TRUE(shownOn("networkTab", "newServerGroup"));
    EXPECT_FALSE(shownOn("networkTab", "serversGroup"));
    child<QPushButton>(*page("networkTab"), "backButton").click();
    EXPECT_EQ(shownPage(), page("beginTab"));
    go(BeginPage::JoinNetwork);
    EXPECT_TRUE(shownOn("networkTab", "serversGroup"));
    EXPECT_FALSE(shownOn("networkTab", "newServerGroup"));
    EXPECT_EQ(child<RadioGroup>(mainWindow(), "setupTypeGroup").itemIndex(),
              BeginPage::JoinNetwork);
}

// The keyboard reaches what the mouse does: the standard shortcuts and Enter for Go!.
TEST_F(MainWindowTest, StandardShortcutsAndEnterPressesGo) {
    app.write("path.txt", "/games/q3/\r\n");
    start();
    EXPECT_EQ(child<QAction>(mainWindow(), "openAction").text(), "&Open...");
    EXPECT_EQ(child<QAction>(mainWindow(), "openAction").shortcut(), QKeySequence::Open);
    EXPECT_EQ(child<QAction>(mainWindow(), "saveAction").shortcut(), QKeySequence::Save);
    EXPECT_EQ(child<QAction>(mainWindow(), "saveAsAction").text(), "Save &As...");
    // The desktop's own key for Save As, or Ctrl+Shift+S where it gives none.
    const QKeySequence saveAs = child<QAction>(mainWindow(), "saveAsAction").shortcut();
    EXPECT_TRUE(saveAs == QKeySequence::SaveAs || saveAs == QKeySequence("Ctrl+Shift+S"));
    EXPECT_FALSE(saveAs.isEmpty());
    EXPECT_EQ(child<QAction>(mainWindow(), "exitAction").shortcut(), QKeySequence::Quit);
    child<RadioGroup>(mainWindow(), "setupTypeGroup").setItemIndex(BeginPage::SetupComplex);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(page("beginTab"), &enter);
    EXPECT_EQ(shownPage(), page("complexTab"));
}

TEST_F(MainWindowTest, AboutTwiceShowsTheSameWindowOnce) {
    app.write("path.txt", "/games/q3/\r\n");
    start();
    trigger("aboutAction");
    trigger("aboutAction");
    EXPECT_TRUE(window<AboutWindow>().isVisible());
    // The build names no download page, so there is no link to one.
    EXPECT_TRUE(window<AboutWindow>().findChildren<LinkLabel*>().empty());
    for (const QLabel* label : window<AboutWindow>().findChildren<QLabel*>())
        EXPECT_FALSE(label->text().endsWith("the")) << "no sentence waits for the link";
    EXPECT_EQ(window<AboutWindow>().findChild<QLabel*>("versionLabel")->text(),
              "Velkarn Version " VELKARN_VERSION);
}

TEST_F(MainWindowTest, StartUpSearchesTheFolderChosenAtTheFirstPrompt) {
    GameFolder game;
    writeZip(game.dir.file("baseq3/pak0.pk3"),
             {{"maps/gorge1.bsp", "bsp"}, {"scripts/bots.txt", "name Vexor\n"}});
    app.write("configs/duel.vkn", "0\r\n\r\n\r\n\r\n0\r\n\r\n");
    dialogs.onModal = [&](QDialog& window) {
        if (window.objectName() != "gameOptionsWindow")
            return;
        child<QLineEdit>(window, "gameFolderEdit").setText(QString::fromStdString(game.path()));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &escape);
    };
    start();
    // Left with Escape, a folder with game data is kept all the same.
    EXPECT_EQ(app.read("path.txt"), game.path() + "\r\n\r\n");
    // The prompt, then the search over the folder chosen there, then the lists.
    EXPECT_EQ(dialogs.modalWindows, (std::vector<std::string>{"gameOptionsWindow"}));
    QComboBox& maps = child<QComboBox>(mainWindow(), "mapCombo");
    ASSERT_EQ(maps.count(), 1);
    EXPECT_EQ(child<QLabel>(mainWindow(), "mapInfoLabel").text(), "gorge1.bsp: ");
    EXPECT_EQ(child<QComboBox>(mainWindow(), "botCombo").itemText(0), "Vexor");
    EXPECT_EQ(app.read("maps.txt").substr(0, 12), "gorge1.bsp\r\n");
    EXPECT_EQ(rowCount(child<QListView>(mainWindow(), "preDefinedSetupList")), 1);
    EXPECT_FALSE(window<SearchingWindow>().isVisible()) << "the splash shows the search instead";
    EXPECT_TRUE(mainWindow().isVisible());
}

// The splash counts its two seconds from when it shows, however slow the start before it was,
// so the start always reaches the main window; a click ends it early.
TEST_F(MainWindowTest, SplashCountsFromItsShowingAndAClickEndsIt) {
    createWindows();
    SplashWindow& splash = window<SplashWindow>();
    QTimer* timer = splash.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive()) << "nothing counts before it shows";
    splash.show();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), SplashWindow::IntervalMs);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&splash, &click);
    EXPECT_FALSE(splash.isVisible());
}
