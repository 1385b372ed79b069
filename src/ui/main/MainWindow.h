#pragma once

#include "core/platform/Random.h"
#include "core/session/StartupFiles.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupModel.h"

#include <QAction>
#include <QMainWindow>
#include <QTabWidget>
#include <functional>
#include <string>

namespace velkarn {

class BeginPage;
class SimplePage;
class ComplexPage;
class NetworkPage;

// The main window: four pages, a menu bar, and the run's setup. It is the only window that
// stays open; closing it saves the setup and the server list and ends the program.
class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: sets AppDir, creates the lists and seeds the random generator.
    TfmMain(const std::string& appDir, std::uint32_t seed);
    ~TfmMain() override;

    std::string AppDir; // ends with "/"
    SetupModel model;
    Random random;
    StartupFiles startup;

    QTabWidget* PageControl;
    QWidget* tabBegin;
    QWidget* tabSimple;
    QWidget* tabComplex;
    QWidget* tabNetwork;
    BeginPage* beginPage;
    SimplePage* simplePage;
    ComplexPage* complexPage;
    NetworkPage* networkPage;

    QAction* Load1;       // File, Open
    QAction* Save2;       // File, Save
    QAction* Save1;       // File, Save as
    QAction* Exit1;       // File, Exit
    QAction* Game1;       // Options, Game
    QAction* Player1;     // Options, Player
    QAction* About1;      // Help, About
    QAction* TestReport1; // Help, Test Report

    // Runs once, after all windows exist and before this one becomes visible.
    void FormShow();
    // The start-up reading of the list files into the model and the controls.
    void LoadListFiles();
    // Saving at close: the default setup and the server list.
    void FormClose();
    void SaveServerList();

    // Setup files, always in the configs folder: reading replaces the rotation and the player
    // values; saving with info asks for the configuration info first.
    void LoadSetup(const std::string& name);
    void SaveSetup(const std::string& name, bool withInfo);
    void Load1Click();
    void Save1Click();
    void Save2Click();
    void lbSimpleConfigsClick();
    // Lists every setup but the default one on the Simple page.
    void listPreDefinedSetups();

    void butGoClick();
    void butSimpleBackClick();
    void Exit1Click();
    // Writes the local-play script for the rotation and starts the game.
    void butPlayClick();

    // Ends the event loop; replaced by tests.
    std::function<void()> quitEventLoop;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createPages();
    void showModeless(QWidget* window);
    void showSetup(SetupReadResult& read);
    void loadDefaultSetup();
    void saveDefaultSetup();

    std::string savedSetupName_; // the name of the last Save as in this run
    bool defaultSetupUnreadable_ = false;
};

} // namespace velkarn
