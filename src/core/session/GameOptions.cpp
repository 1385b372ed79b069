#include "core/session/GameOptions.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"

namespace velkarn {

GameOptions::GameOptions(std::string appDir, SystemLayout layout)
    : appDir_(std::move(appDir)), layout_(std::move(layout)) {
}

void GameOptions::setPaths(const GamePaths& paths) {
    if (paths.gameFolder == paths_.gameFolder && paths.commandLine == paths_.commandLine &&
        paths.installation == paths_.installation)
        return;
    paths_ = paths;
    emit pathsChanged();
}

void GameOptions::setGameFolder(const std::string& folder) {
    if (folder != paths_.gameFolder)
        setPaths({folder, paths_.commandLine, ""});
}

void GameOptions::chooseInstallation(const Installation& installation) {
    setPaths({installation.baseFolder, paths_.commandLine, installation.id()});
}

Installation GameOptions::installation() const {
    // The packages looked for once serve every later question; one not among them is looked
    // for again (installed since), and said missing only then.
    if (!paths_.installation.empty())
        for (const Installation& found : installations())
            if (found.id() == paths_.installation)
                return found;
    return storedInstallation(paths_.installation, paths_.gameFolder, layout_);
}

std::vector<std::string> GameOptions::contentFolders() const {
    try {
        return installation().contentFolders();
    } catch (const Error&) {
        return {};
    }
}

bool GameOptions::hasUsableGame() const {
    try {
        return installation().hasGameData;
    } catch (const Error&) {
        return false;
    }
}

const std::vector<Installation>& GameOptions::installations() const {
    if (!installations_)
        installations_ = findInstallations(layout_);
    return *installations_;
}

void GameOptions::setCommandLine(const std::string& commandLine) {
    setPaths({paths_.gameFolder, commandLine, paths_.installation});
}

void GameOptions::readPaths() {
    setPaths(readPathFile(pathFile()));
}

void GameOptions::writePaths() const {
    writePathFile(pathFile(), paths_);
}

bool GameOptions::writePathsOnLeaving(bool confirmed) const {
    if (!confirmed && !pathExists(pathFile()) && !hasUsableGame())
        return false;
    writePaths();
    return true;
}

void GameOptions::chooseMod(int index) {
    const int valid = index >= 0 && index < static_cast<int>(mods_.size()) ? index : -1;
    if (valid == modIndex_)
        return;
    modIndex_ = valid;
    emit modChosen();
}

void GameOptions::chooseModByName(const std::string& name) {
    chooseMod(modIndexForName(mods_, name));
}

std::string GameOptions::chosenModName() const {
    return modIndex_ >= 0 ? mods_[static_cast<std::size_t>(modIndex_)].name : "";
}

std::vector<std::string> GameOptions::readMods() {
    std::vector<std::string> problems;
    try {
        mods_ = readModsFile(appDir_ + "mods.txt", &problems);
        modsReadWhole_ = true;
    } catch (...) {
        mods_ = freshModList();
        modsReadWhole_ = false;
        modIndex_ = 0;
        emit modsChanged();
        throw;
    }
    modIndex_ = 0;
    emit modsChanged();
    return problems;
}

void GameOptions::findMods() {
    try {
        if (!paths_.gameFolder.empty())
            for (const auto& folder : installation().contentFolders())
                appendModFolders(folder, mods_);
    } catch (...) {
        emit modsChanged();
        throw;
    }
    emit modsChanged();
    writeMods();
}

bool GameOptions::editMod(int index, const Mod& edited) {
    if (!replaceModAt(mods_, index, edited))
        return false;
    emit modsChanged();
    writeMods();
    return true;
}

bool GameOptions::removeMod(int index) {
    if (!removeModAt(mods_, index))
        return false;
    modIndex_ = 0;
    emit modsChanged();
    writeMods();
    return true;
}

GameSettings GameOptions::launchSettings() const {
    return {installation(),
            paths_.commandLine,
            {modIndex_, modStartParameters(mods_, modIndex_)},
            launchObserver_,
            joinObserver_};
}

void GameOptions::setJoinObserver(std::function<void(const SavedServer&)> observer) {
    joinObserver_ = std::move(observer);
}

void GameOptions::setLaunchObserver(std::function<void(LaunchPath)> observer) {
    launchObserver_ = std::move(observer);
}

void GameOptions::writeMods() {
    writeModsFile(appDir_ + "mods.txt", mods_, modsReadWhole_);
    modsReadWhole_ = true;
}

} // namespace velkarn
