#include "cli/ScanCommand.h"

#include "core/content/GameFolderSearch.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/session/Session.h"
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
std::optional<std::string> gameFolderToSearch(const Session& session, const StartupFiles& startup,
                                              std::ostream& err) {
    if (startup.pathFileMissing) {
        err << FileOpenError(session.game.pathFile()).what() << "\n"
            << "Set the game folder in the windows first (Options, Game).\n";
        return std::nullopt;
    }
    if (!startup.pathFileRead)
        return std::nullopt; // its message is out already
    const std::string& folder = session.game.paths().gameFolder;
    if (folder.empty()) {
        err << "No game folder is set in " << session.game.pathFile() << "\n";
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
    Session session(appDir, 0);
    const StartupFiles startup = session.readListFiles();
    for (const auto& error : startup.errors)
        err << error << "\n";
    const auto gameFolder = gameFolderToSearch(session, startup, err);
    // The mod list holds the user's edits, which no search finds again: when it cannot be read,
    // nothing is searched or written.
    if (!gameFolder || !startup.modListReadable)
        return 1;
    try {
        PrintingObserver observer(err);
        Catalogue& catalogue = session.setup.catalogue;
        if (rebuildCatalogue(*gameFolder, appDir, catalogue, observer))
            err << CatalogueRebuiltMessage << "\n";
        session.game.findMods();
        out << "maps: " << catalogue.mapFiles.size() << "\n"
            << "bots: " << catalogue.botNames.size() << "\n"
            << "models: " << catalogue.playerModels.size() << "\n"
            << "mods: " << countMods(session.game.mods()) << "\n";
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
