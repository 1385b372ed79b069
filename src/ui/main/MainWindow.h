#pragma once

#include "core/session/Session.h"
#include "core/setup/SetupFile.h"

#include <QAction>
#include <QMainWindow>
#include <QTabWidget>
#include <string>
#include <vector>

namespace velkarn {

class AboutWindow;
class BeginPage;
class ComplexPage;
class FindServersWindow;
class GameOptionsWindow;
class NetworkPage;
class PlayerOptionsWindow;
class SearchingWindow;
class SetupInfoWindow;
class SimplePage;
class SplashWindow;
class TestReportWindow;

// The main window: four pages, a menu bar, and the run's setup. It is the only window that
// stays open; closing it saves the setup and the server list and ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The windows the main window opens.
    struct Companions {
        SplashWindow& splash;
        SearchingWindow& searching;
        SetupInfoWindow& setupInfo;
        TestReportWindow& testReport;
        AboutWindow& about;
        GameOptionsWindow& gameOptions;
        PlayerOptionsWindow& playerOptions;
        FindServersWindow& findServers;
    };

    MainWindow(Session& session, Companions companions);
    ~MainWindow() override;

    // The start: shows the splash, reads the list files and the default setup and searches the
    // game folder while it shows, then shows this window and what went wrong meanwhile.
    void startUp();

signals:
    // File, Exit: leave the program without saving anything.
    void exitRequested();
    // File, Results: the results window is wanted.
    void resultsRequested();
    // File, Demos: the demos window is wanted.
    void demosRequested();
    // F9 on a saved server: the remote console, for the server at `address` (empty for none).
    void remoteConsoleRequested(const QString& address);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void connectPages();
    void createMenus();
    void showModeless(QWidget* window);
    // Begin page, Go!: the page of the way to start chosen.
    void goToChosenPage(int setupType);
    void showPage(QWidget* page);
    // The start-up reading of the list files and the default setup; returns what to say.
    std::vector<std::string> readListFiles();
    // The content search with its progress window.
    void searchGameFolder();
    void catalogueChanged();

    // Writes the local-play script for the rotation and starts the game, after asking whether
    // to go on when maps with bots have no navigation for them.
    void playRotation();
    // Shows the command line and the script playRotation would use; writes nothing.
    void showRotationScript();

    // Setup files, always in the configs folder: reading replaces the rotation and the player
    // values; saving with info asks for the setup's info lines first.
    void loadSetup(const std::string& fileName);
    void writeSetup(const std::string& fileName, bool withInfo);
    void openSetup();
    void saveSetupAs();
    void saveSetup();
    // Puts the setup last saved (Save As first when there is none) into the desktop's menu.
    void addSetupToMenu();

    Session& session_;
    Companions companions_;
    QTabWidget* pageTabs_;
    BeginPage* beginPage_;
    SimplePage* simplePage_;
    ComplexPage* complexPage_;
    NetworkPage* networkPage_;
    std::string savedSetupName_; // the name of the last Save As in this run
};

} // namespace velkarn
