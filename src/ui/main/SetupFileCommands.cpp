// The main window's setup file commands: File, Open / Save / Save as, the pre-defined setups of
// the Simple page, and the default setup read at start-up and written at close.
#include "ui/widgets/Dialogs.h"
#include "core/platform/FileSystem.h"
#include "core/setup/SetupFile.h"
#include "core/setup/TextHelpers.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SimplePage.h"
#include "ui/rotation/SetupInfoWindow.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/NumberSpin.h"

namespace velkarn {

namespace {

const char* const SetupFilter = "Velkarn Files (*.vkn *.VKN)";

} // namespace

void MainWindow::loadSetup(const std::string& name) {
    MapsGroup& maps = *complexPage->mapsGroup;
    BotsGroup& bots = *complexPage->botsGroup;
    session_.setup.rotation.clear();
    maps.rotationList->clear();
    bots.rosterList->clear();
    simplePage->setupInfoText->clear();

    SetupReadResult read;
    bots.enableBotControls(true);
    try {
        session_.loadSetup(name, read);
    } catch (...) {
        // What was read before the failure stays, as the rotation list mirrors the rotation.
        showSetup(read);
        throw;
    }
    showSetup(read);
}

void MainWindow::showSetup(SetupReadResult& read) {
    MapsGroup& maps = *complexPage->mapsGroup;
    for (const auto& line : read.info)
        simplePage->setupInfoText->appendPlainText(local(line));
    for (const auto& entry : session_.setup.rotation)
        maps.rotationList->addItem(local(rotationEntryText(*entry)));
    maps.markMapsWithoutNavigation();
    if (!session_.setup.rotation.empty()) {
        maps.enableEntryControls(true);
        maps.rotationList->setCurrentRow(0);
        maps.showCurrentEntry(true);
    }
}

void MainWindow::writeSetup(const std::string& name, bool withInfo) {
    commitTypedNumbers();
    std::vector<std::string> info;
    if (withInfo) {
        dialogs().runModal(companions_.setupInfo);
        info = companions_.setupInfo.infoLines();
    }
    session_.writeSetup(name, withInfo ? &info : nullptr);
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
    listPreDefinedSetups();
}

void MainWindow::saveSetup() {
    if (savedSetupName_.empty())
        saveSetupAs();
    else
        writeSetup(savedSetupName_, true);
}

void MainWindow::loadChosenSetup() {
    // The item keeps the file's own name: "DEFAULT" may stand for DEFAULT.VKN on this platform.
    const QListWidgetItem* item = simplePage->preDefinedSetupList->currentItem();
    if (item)
        loadSetup(bytes(item->data(Qt::UserRole).toString()));
}

void MainWindow::listPreDefinedSetups() {
    simplePage->preDefinedSetupList->clear();
    for (const auto& fileName : predefinedSetupFiles(session_.setupFolder())) {
        auto* item = new QListWidgetItem(local(fileName.substr(0, fileName.size() - 4)));
        item->setData(Qt::UserRole, local(fileName));
        simplePage->preDefinedSetupList->addItem(item);
    }
}

void MainWindow::loadDefaultSetup() {
    if (!fileExists(session_.setupFolder() + "default.vkn"))
        return;
    try {
        loadSetup("default.vkn");
    } catch (...) {
        defaultSetupUnreadable_ = true;
        throw;
    }
}

void MainWindow::saveDefaultSetup() {
    // A default setup that could not be read whole at start-up is kept aside rather than
    // replaced by the part of it that was read.
    const std::string file = session_.setupFolder() + "default.vkn";
    if (defaultSetupUnreadable_ && renameFile(file, file + ".bak"))
        defaultSetupUnreadable_ = false;
    writeSetup("default.vkn", false);
}

} // namespace velkarn
