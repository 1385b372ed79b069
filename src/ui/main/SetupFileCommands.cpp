// The main window's setup file commands: File, Open / Save / Save as, the pre-defined setups of
// the Simple page, and the default setup read at start-up and written at close.
#include "core/platform/Dialogs.h"
#include "core/platform/FileSystem.h"
#include "core/setup/SetupFile.h"
#include "core/setup/TextHelpers.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SimplePage.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/rotation/ConfigInfoWindow.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/SpinEdit.h"

namespace velkarn {

namespace {

const char* const SetupFilter = "Velkarn Files (*.vkn *.VKN)";

} // namespace

void TfmMain::LoadSetup(const std::string& name) {
    MapsGroup& maps = *complexPage->gbMaps;
    BotsGroup& bots = *complexPage->gbBots;
    model.MapList.clear();
    maps.lbMaps->clear();
    bots.lbBots->clear();
    simplePage->memPreDefinedInfo->clear();

    SetupReadResult read;
    bots.EnableBotControls(true);
    try {
        LoadSetupFile(configsFolder(AppDir) + name, model.catalogue.MapFileList, read);
    } catch (...) {
        // What was read before the failure stays, as the rotation list mirrors the rotation.
        showSetup(read);
        throw;
    }
    showSetup(read);
}

void TfmMain::showSetup(SetupReadResult& read) {
    MapsGroup& maps = *complexPage->gbMaps;
    for (const auto& line : read.info)
        simplePage->memPreDefinedInfo->appendPlainText(local(line));
    model.MapList = std::move(read.maps);
    for (const auto& entry : model.MapList)
        maps.lbMaps->addItem(local(MapEntryText(*entry)));
    if (read.playerLinesRead) {
        TfmPlayerOptions& player = *forms().fmPlayerOptions;
        player.setPlayerName(read.player.name);
        model.SetupModelName = read.player.model;
        model.SetupSkinName = read.player.skin;
        player.setSimPing(read.player.simPing);
        forms().fmGameOptions->selectModByName(read.player.mod);
    }
    if (!model.MapList.empty()) {
        maps.enableEntryControls(true);
        maps.lbMaps->setCurrentRow(0);
        maps.lbMapsClick(true);
    }
}

void TfmMain::SaveSetup(const std::string& name, bool withInfo) {
    commitTypedNumbers();
    std::vector<std::string> info;
    if (withInfo) {
        dialogs().runModal(*forms().fmConfigInfo);
        info = forms().fmConfigInfo->infoLines();
    }
    const TfmPlayerOptions& player = *forms().fmPlayerOptions;
    const PlayerLines lines{player.playerName(), player.modelName(), player.skinName(),
                            player.simPing(), forms().fmGameOptions->selectedModName()};
    SaveSetupFile(configsFolder(AppDir) + name, withInfo ? &info : nullptr, model.MapList, lines);
}

void TfmMain::Load1Click() {
    const auto chosen = dialogs().askOpenFileName("Open", configsFolder(AppDir), SetupFilter);
    if (chosen)
        LoadSetup(SetupFileNameFromChosenPath(*chosen));
}

void TfmMain::Save1Click() {
    const auto chosen =
        dialogs().askSaveFileName("Save as", configsFolder(AppDir), SetupFilter, "vkn");
    if (!chosen || SetupFileNameFromChosenPath(*chosen).empty())
        return;
    savedSetupName_ = SetupFileNameFromChosenPath(*chosen);
    SaveSetup(savedSetupName_, true);
    listPreDefinedSetups();
}

void TfmMain::Save2Click() {
    if (savedSetupName_.empty())
        Save1Click();
    else
        SaveSetup(savedSetupName_, true);
}

void TfmMain::lbSimpleConfigsClick() {
    // The item keeps the file's own name: "DEFAULT" may stand for DEFAULT.VKN on this platform.
    const QListWidgetItem* item = simplePage->lbSimpleConfigs->currentItem();
    if (item)
        LoadSetup(bytes(item->data(Qt::UserRole).toString()));
}

void TfmMain::listPreDefinedSetups() {
    simplePage->lbSimpleConfigs->clear();
    for (const auto& fileName : PreDefinedSetupFiles(configsFolder(AppDir))) {
        auto* item = new QListWidgetItem(local(fileName.substr(0, fileName.size() - 4)));
        item->setData(Qt::UserRole, local(fileName));
        simplePage->lbSimpleConfigs->addItem(item);
    }
}

void TfmMain::loadDefaultSetup() {
    if (!fileExists(configsFolder(AppDir) + "default.vkn"))
        return;
    try {
        LoadSetup("default.vkn");
    } catch (...) {
        defaultSetupUnreadable_ = true;
        throw;
    }
}

void TfmMain::saveDefaultSetup() {
    // A default setup that could not be read whole at start-up is kept aside rather than
    // replaced by the part of it that was read.
    const std::string file = configsFolder(AppDir) + "default.vkn";
    if (defaultSetupUnreadable_ && renameFile(file, file + ".bak"))
        defaultSetupUnreadable_ = false;
    SaveSetup("default.vkn", false);
}

} // namespace velkarn
