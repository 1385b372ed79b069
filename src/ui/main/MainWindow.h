#pragma once

#include "core/session/Session.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupModel.h"

#include <QAction>
#include <QMainWindow>
#include <QTabWidget>
#include <functional>
#include <string>

namespace velkarn {

class AboutWindow;
class BeginPage;
class ComplexPage;
class SetupInfoWindow;
class FindServersWindow;
class GameOptionsWindow;
class NetworkPage;
class PlayerOptionsWindow;
class SearchingWindow;
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

    StartupFiles startup;

    QTabWidget* pageTabs;
    QWidget* beginTab;
    QWidget* simpleTab;
    QWidget* complexTab;
    QWidget* networkTab;
    BeginPage* beginPage;
    SimplePage* simplePage;
    ComplexPage* complexPage;
    NetworkPage* networkPage;

    QAction* openAction;          // File, Open
    QAction* saveAction;          // File, Save
    QAction* saveAsAction;        // File, Save as
    QAction* resultsAction;       // File, Results
    QAction* exitAction;          // File, Exit
    QAction* gameOptionsAction;   // Options, Game
    QAction* playerOptionsAction; // Options, Player
    QAction* aboutAction;         // Help, About
    QAction* testReportAction;    // Help, Test Report

    // Runs once, after all windows exist and before this one becomes visible.
    void startUp();
    // The start-up reading of the list files into the model and the controls.
    void readListFiles();
    // Saving at close: the default setup and the server list.
    void saveAtClose();
    void saveServerList();

    // Setup files, always in the configs folder: reading replaces the rotation and the player
    // values; saving with info asks for the configuration info first.
    void loadSetup(const std::string& name);
    void writeSetup(const std::string& name, bool withInfo);
    void openSetup();
    void saveSetupAs();
    void saveSetup();
    void loadChosenSetup();
    // Lists every setup but the default one on the Simple page.
    void listPreDefinedSetups();

    // The content search with its progress window.
    void searchGameFolder();

    void goToChosenPage();
    void showBeginPage();
    void exitProgram();
    // Writes the local-play script for the rotation and starts the game, after asking whether
    // to go on when maps with bots have no navigation for them.
    void playRotation();
    // Shows the command line and the script playRotation would use; writes nothing.
    void showRotationScript();

    // Ends the event loop; replaced by tests.
    std::function<void()> quitEventLoop;

signals:
    // File, Results: the results window is wanted.
    void resultsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createPages();
    void connectPages();
    // Shows a rotation built elsewhere as if its entries had been added one by one: the last one
    // is the entry worked on, with its roster.
    void showNewRotation();
    void showModeless(QWidget* window);
    void showSetup(SetupReadResult& read);
    void loadDefaultSetup();
    void saveDefaultSetup();

    Session& session_;
    Companions companions_;
    std::string savedSetupName_; // the name of the last Save as in this run
    bool defaultSetupUnreadable_ = false;
};

} // namespace velkarn
