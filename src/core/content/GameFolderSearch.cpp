#include "core/content/GameFolderSearch.h"

#include "core/content/ArchiveScan.h"
#include "core/content/CatalogueFiles.h"
#include "core/platform/FileSystem.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

namespace velkarn {

namespace {

bool endsWith(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Hands every ".pk3" file below a folder to `visit`, subfolders first.
class FolderWalk {
public:
    explicit FolderWalk(std::function<void(const std::string&)> visit) : visit_(std::move(visit)) {}

    void walk(const std::string& folder) {
        FileIdentity identity;
        if (fileIdentity(folder, identity)) {
            if (!seen_.insert({identity.device, identity.inode}).second)
                return;
        }
        const auto entries = listFolder(folder);
        for (const auto& entry : entries)
            if (entry.isFolder && entry.name != "Extras")
                walk(folder + entry.name + "/");
        for (const auto& entry : entries)
            if (!entry.isFolder && endsWith(entry.name, ".pk3"))
                visit_(folder + entry.name);
    }

private:
    std::function<void(const std::string&)> visit_;
    std::set<std::pair<unsigned long long, unsigned long long>> seen_;
};

} // namespace

void scanFolder(const std::string& folder, CatalogueIndex& index, ZipArchive& zip,
                SearchObserver& observer) {
    FolderWalk([&](const std::string& path) {
        if (index.isNewArchive(path))
            scanArchive(path, zip, index, observer);
    }).walk(withTrailingSlash(folder));
}

std::vector<std::string> gameArchives(const std::vector<std::string>& folders) {
    std::vector<std::string> archives;
    for (const auto& folder : folders)
        if (!folder.empty())
            FolderWalk([&](const std::string& path) {
                archives.push_back(path);
            }).walk(withTrailingSlash(folder));
    return archives;
}

void purgeCatalogue(Catalogue& catalogue) {
    std::erase_if(catalogue.mapFiles, [](const auto& map) { return map->archivePath.empty(); });
    std::erase_if(catalogue.playerModels, [](const auto& model) { return model->skinCount == 0; });
}

const char* const CatalogueRebuiltMessage =
    "The catalogue files could not be read whole, so every archive of the game folder was "
    "searched again.";

bool rebuildCatalogue(const std::vector<std::string>& folders, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer) {
    ZipArchive zip([&observer](const ZipMessage& message) { observer.message(message.text); });
    const bool anyFolder =
        std::any_of(folders.begin(), folders.end(),
                    [](const std::string& folder) { return folderExists(folder); });
    // Files that could not be read whole are kept until a game folder can rebuild them.
    if (catalogue.needsRebuild && !anyFolder)
        return false;
    // No game folder chosen yet: there is nothing to scan (and "/" is not the game).
    if (folders.empty()) {
        purgeCatalogue(catalogue);
        writeCatalogueFiles(withTrailingSlash(appDir), catalogue);
        return false;
    }
    const bool rebuilding = catalogue.needsRebuild;
    if (rebuilding)
        catalogue = Catalogue{};
    CatalogueIndex index(catalogue);
    for (const auto& folder : folders)
        scanFolder(folder, index, zip, observer);
    purgeCatalogue(catalogue);
    writeCatalogueFiles(withTrailingSlash(appDir), catalogue);
    return rebuilding;
}

bool rebuildCatalogue(const std::string& gameFolder, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer) {
    return rebuildCatalogue(gameFolder.empty() ? std::vector<std::string>{}
                                               : std::vector<std::string>{gameFolder},
                            appDir, catalogue, observer);
}

} // namespace velkarn
