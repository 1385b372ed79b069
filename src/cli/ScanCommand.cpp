#include "cli/ScanCommand.h"

#include "cli/SetupLoading.h"
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

// The folders of the game named by path.txt, or nothing after saying on `err` why there are
// none. Throws UserMessage when a packaged installation is gone.
std::optional<std::vector<std::string>>
foldersToSearch(const Session& session, const StartupFiles& startup, std::ostream& err) {
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
    const Installation installation = session.game.installation();
    if (const std::string problem = gameFolderProblem(installation); !problem.empty()) {
        err << problem << "\n";
        return std::nullopt;
    }
    return installation.contentFolders();
}

int countMods(const std::vector<Mod>& mods) {
    return mods.empty() ? 0 : static_cast<int>(mods.size()) - 1;
}

} // namespace

int runScanCommand(const std::string& appDir, std::ostream& out, std::ostream& err,
                   const SystemLayout& layout) {
    Session session(appDir, 0, layout);
    StartupFiles startup = session.readListFiles();
    for (const auto& error : startup.errors)
        err << error << "\n";
    // The mod list holds the user's edits, which no search finds again: when it cannot be read,
    // nothing is searched or written.
    if (!startup.modListReadable)
        return 1;
    try {
        makeFirstStartChoice(session, startup, err);
        const auto folders = foldersToSearch(session, startup, err);
        if (!folders)
            return 1;
        PrintingObserver observer(err);
        Catalogue& catalogue = session.setup.catalogue;
        rebuildCatalogue(*folders, appDir, catalogue, observer);
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
