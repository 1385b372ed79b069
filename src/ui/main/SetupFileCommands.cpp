// The main window's setup file commands: File, Open / Save / Save As, and the pre-defined setups
// of the Simple page.
#include "core/launch/MenuEntry.h"
#include "core/platform/FileSystem.h"
#include "core/setup/SetupFile.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SimplePage.h"
#include "ui/rotation/SetupInfoWindow.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/NumberSpin.h"

#include <QCoreApplication>

namespace velkarn {

namespace {

const char* const SetupFilter = "Velkarn Files (*.vkn *.VKN)";

} // namespace

void MainWindow::loadSetup(const std::string& fileName) {
    SetupReadResult read;
    try {
        session_.loadSetup(fileName, read);
    } catch (...) {
        // What was read before the failure stays, and is shown.
        simplePage_->showSetupInfo(read.info);
        throw;
    }
    simplePage_->showSetupInfo(read.info);
    // Said as the file is read, not only when Play refuses it.
    if (const std::string said = readMessages(read); !said.empty())
        dialogs().showMessage(said);
}

void MainWindow::writeSetup(const std::string& fileName, bool withInfo) {
    std::vector<std::string> info;
    if (withInfo) {
        dialogs().runModal(companions_.setupInfo);
        info = companions_.setupInfo.infoLines();
    }
    session_.writeSetup(fileName, withInfo ? &info : nullptr);
    simplePage_->setupsChanged();
}

void MainWindow::openSetup() {
    const auto chosen = dialogs().askOpenFileName("Open", session_.setupFolder(), SetupFilter);
    if (chosen)
        loadSetup(setupFileNameFromChosenPath(*chosen));
}

void MainWindow::saveSetupAs() {
    const auto chosen =
        dialogs().askSaveFileName("Save as", session_.setupFolder(), SetupFilter, "vkn");
    if (!chosen || setupFileNameFromChosenPath(*chosen).empty())
        return;
    savedSetupName_ = setupFileNameFromChosenPath(*chosen);
    writeSetup(savedSetupName_, true);
}

void MainWindow::addSetupToMenu() {
    if (savedSetupName_.empty())
        saveSetupAs(); // a menu entry starts a saved setup
    if (savedSetupName_.empty())
        return;
    const std::string name = savedSetupName_.substr(0, savedSetupName_.size() - 4);
    const std::vector<std::string> program{bytes(QCoreApplication::applicationFilePath()),
                                           "--appdir", session_.appDir()};
    const std::string entry = addMenuEntry(session_.game.layout().xdgDataHome + "applications/",
                                           session_.setupFolder(), name, program);
    dialogs().showMessage("The setup " + name + " is in the desktop's menu now: " + entry);
}

void MainWindow::saveSetup() {
    if (savedSetupName_.empty())
        saveSetupAs();
    else
        writeSetup(savedSetupName_, true);
}

} // namespace velkarn
