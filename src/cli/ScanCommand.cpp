#include "cli/ScanCommand.h"

#include "core/content/GameFolderSearch.h"
#include "core/content/PlayerModels.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/session/StartupFiles.h"
#include "core/setup/ModList.h"

#include <optional>
#include <vector>

namespace velkarn {

namespace {

class PrintingObserver : public SearchObserver {
public:
    explicit PrintingObserver(std::ostream& err) : err_(err) {}
    void message(const std::string& text) override { err_ << text << "\n"; }

private:
    std::ostream& err_;
};

// The game folder named by path.txt, or nothing after saying on `err` why there is none.
std::optional<std::string> gameFolderToSearch(const std::string& appDir,
                                              const StartupFiles& startup, std::ostream& err) {
    if (startup.pathFileMissing) {
        err << FileOpenError(appDir + "path.txt").what() << "\n"
            << "Set the game folder in the windows first (Options, Game).\n";
        return std::nullopt;
    }
    if (!startup.paths)
        return std::nullopt; // path.txt could not be read; its message is out already
    const std::string& folder = startup.paths->gameFolder;
    if (folder.empty()) {
        err << "No game folder is set in " << appDir << "path.txt\n";
        return std::nullopt;
    }
    if (!folderExists(folder)) {
        err << "The game folder " << folder << " does not exist\n";
        return std::nullopt;
    }
    return folder;
}

int countMods(const std::vector<Mod>& mods) {
    return mods.empty() ? 0 : static_cast<int>(mods.size()) - 1;
}

} // namespace

int runScanCommand(const std::string& appDir, std::ostream& out, std::ostream& err) {
    SetupModel model;
    const StartupFiles startup = readListFiles(appDir, model);
    for (const auto& error : startup.errors)
        err << error << "\n";
    const auto gameFolder = gameFolderToSearch(appDir, startup, err);
    if (!gameFolder)
        return 1;
    try {
        try {
            loadModelsFile(appDir + "models.txt", model.catalogue);
        } catch (const Error& error) {
            // As at start-up: the models of readable archives are found again by the search.
            err << error.what() << "\n";
        }
        // The mod list holds the user's edits, which no search finds again: when it cannot be
        // read, nothing is searched or written.
        std::vector<Mod> mods = readModsFile(appDir + "mods.txt");
        PrintingObserver observer(err);
        if (rebuildCatalogue(*gameFolder, appDir, model.catalogue, observer))
            err << CatalogueRebuiltMessage << "\n";
        appendModFolders(*gameFolder, mods);
        writeModsFile(appDir + "mods.txt", mods);
        out << "maps: " << model.catalogue.mapFiles.size() << "\n"
            << "bots: " << model.catalogue.botNames.size() << "\n"
            << "models: " << model.catalogue.playerModels.size() << "\n"
            << "mods: " << countMods(mods) << "\n";
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
