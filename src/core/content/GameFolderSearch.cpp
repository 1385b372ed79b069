#include "core/content/GameFolderSearch.h"

#include "core/content/ArchiveCache.h"
#include "core/content/ArchiveScan.h"
#include "core/content/CatalogueFiles.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/NoCase.h"
#include "core/platform/PrintableText.h"
#include "core/platform/ProblemList.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>
#include <utility>

namespace velkarn {

namespace {

bool endsWith(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Folders no game keeps its data in, which a link must never lead the walk into: walking them
// costs minutes and finds archives that are not the game's.
bool isSystemFolder(const std::string& realPath) {
    if (realPath == "/")
        return true;
    for (const char* folder : {"/proc/", "/sys/", "/dev/"})
        if (isInsideFolder(realPath, folder))
            return true;
    return false;
}

// Sorts a folder's entries in the order the engine reads archives in, so that what a later
// archive says wins as in the game, and so that every search of the same folders meets the same
// archives in the same order, on any file system. In a game folder (`gameFolder`) the game's own
// data folder comes last: what it says of a map wins over what a mod beside it says, as in the
// game played without a mod. Each name is lowered once, not at every comparison: a folder of
// thousands of archives is sorted at every search.
void sortInEngineOrder(std::vector<FolderEntry>& entries, bool gameFolder) {
    struct Key {
        bool dataFolder;
        std::string lowered;
        std::size_t index;
    };
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].name;
        keys.push_back({gameFolder && (name == "baseq3" || name == "baseoa"), toLower(name), i});
    }
    std::sort(keys.begin(), keys.end(), [&entries](const Key& a, const Key& b) {
        return std::tie(a.dataFolder, a.lowered, entries[a.index].name) <
               std::tie(b.dataFolder, b.lowered, entries[b.index].name);
    });
    std::vector<FolderEntry> sorted;
    sorted.reserve(entries.size());
    for (const Key& key : keys)
        sorted.push_back(std::move(entries[key.index]));
    entries = std::move(sorted);
}

// Hands every ".pk3" file below a game's folders to `visit`, with its state when it could be
// looked at, subfolders first. Each real folder
// is walked once. The folders directly below a game folder (its data and mod folders) may be
// links, as packaged games have them; further down a folder link is followed only where it
// stays inside the game's folders.
class FolderWalk {
public:
    using Visit = std::function<void(const std::string&, const std::optional<FileState>&)>;
    using Problem = std::function<void(const std::string&)>;

    FolderWalk(const std::vector<std::string>& roots, Visit visit, Problem problem = {})
        : visit_(std::move(visit)), problem_(std::move(problem)) {
        for (const auto& root : roots) {
            if (root.empty())
                continue;
            const std::string folder = withTrailingSlash(root);
            roots_.push_back(folder);
            gameFolders_.push_back(realFolderPath(folder));
            for (const auto& entry : listFolder(folder))
                if (entry.isFolder)
                    gameFolders_.push_back(realFolderPath(folder + entry.name));
        }
    }

    void walk() {
        for (const auto& root : roots_)
            walk(root, 0);
    }

private:
    void walk(const std::string& folder, int depth) {
        FileIdentity identity;
        if (fileIdentity(folder, identity)) {
            if (!seen_.insert({identity.device, identity.inode}).second)
                return;
        }
        auto entries = listFolder(folder, true);
        sortInEngineOrder(entries, depth == 0);
        for (const auto& entry : entries)
            if (entry.isFolder && entry.name != "Extras" && isNameKept(folder, entry) &&
                isLinkFollowed(folder + entry.name, entry, depth))
                walk(folder + entry.name + "/", depth + 1);
        for (const auto& entry : entries)
            if (!entry.isFolder && endsWith(entry.name, ".pk3") && isNameKept(folder, entry))
                visit_(folder + entry.name, entry.fileState);
    }

    // A name holding a line break could not be kept in one line of a catalogue file.
    bool isNameKept(const std::string& folder, const FolderEntry& entry) const {
        if (!hasControlCharacter(entry.name))
            return true;
        if (problem_)
            problem_(printableText(folder + entry.name) +
                     " was passed over: its name holds a control character.");
        return false;
    }

    bool isLinkFollowed(const std::string& path, const FolderEntry& entry, int depth) const {
        if (!entry.isLink)
            return true;
        const std::string real = realFolderPath(path);
        if (real.empty() || isSystemFolder(real))
            return false;
        return depth == 0 ||
               std::any_of(gameFolders_.begin(), gameFolders_.end(), [&](const std::string& game) {
                   return !game.empty() && isInsideFolder(real, game);
               });
    }

    Visit visit_;
    Problem problem_;
    std::vector<std::string> roots_;
    std::vector<std::string> gameFolders_; // real paths of the game folders and the folders in them
    std::set<std::pair<unsigned long long, unsigned long long>> seen_;
};

} // namespace

// The problems of the archive being scanned, said when it is done: a damaged archive of many
// entries gives a few lines, not one for each entry.
class ArchiveProblems {
public:
    explicit ArchiveProblems(SearchObserver& observer) : observer_(observer) {}
    void add(const std::string& problem) { problems_.add(printableText(problem)); }
    // False when the archive had problems.
    bool archiveDone(const std::string& archive) {
        if (problems_.empty())
            return true;
        const auto lines = problems_.lines(printableText(archive));
        for (const auto& line : lines)
            observer_.message(line);
        problems_ = ProblemList();
        return lines.empty();
    }

private:
    SearchObserver& observer_;
    ProblemList problems_;
};

void scanFolders(const std::vector<std::string>& folders, CatalogueIndex& index,
                 ArchiveCache& cache, SearchObserver& observer) {
    ArchiveProblems problems(observer);
    ZipArchive zip([&problems](const ZipMessage& message) { problems.add(message.text); });
    FolderWalk(
        folders,
        [&](const std::string& path, const std::optional<FileState>& listed) {
            // Looked at before reading: an archive changed while it is read is read again.
            FileState state = listed.value_or(FileState());
            const bool keyed = listed || fileState(path, state);
            const ArchiveKey key = archiveKey(state);
            auto finds = keyed ? cache.take(path, key) : std::nullopt;
            if (!finds)
                finds = readArchiveFinds(path, zip, observer);
            mergeFinds(*finds, path, index);
            // An archive with problems is read again each time, so they are said each time and
            // one that was only unreadable for a while is not taken as empty for good.
            if (problems.archiveDone(path) && keyed)
                cache.keep(path, key, std::move(*finds));
        },
        [&](const std::string& problem) { observer.message(problem); })
        .walk();
}

std::vector<std::string> gameArchives(const std::vector<std::string>& folders) {
    std::vector<std::string> archives;
    FolderWalk(folders, [&](const std::string& path, const std::optional<FileState>&) {
        archives.push_back(path);
    }).walk();
    return archives;
}

void purgeCatalogue(Catalogue& catalogue) {
    std::erase_if(catalogue.mapFiles, [](const auto& map) { return map->archivePath.empty(); });
    std::erase_if(catalogue.playerModels, [](const auto& model) { return model->skinCount == 0; });
}

const char* const ArchiveCacheFile = "archives.cache";

namespace {

ArchiveCache readArchiveCache(const std::string& fileName, SearchObserver& observer) {
    if (!pathExists(fileName))
        return {};
    try {
        return ArchiveCache::read(fileName);
    } catch (const Error& error) {
        observer.message(std::string(error.what()) + " (every archive is read again)");
        return {};
    }
}

} // namespace

void rebuildCatalogue(const std::vector<std::string>& folders, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer) {
    const std::string app = withTrailingSlash(appDir);
    const bool anyFolder =
        std::any_of(folders.begin(), folders.end(),
                    [](const std::string& folder) { return folderExists(folder); });
    if (!anyFolder) {
        // Files that could not be read whole are kept until a game folder can rebuild them; the
        // catalogue of a game folder that is away (a disk not mounted) stays as it was.
        if (!catalogue.needsRebuild) {
            purgeCatalogue(catalogue);
            writeCatalogueFiles(app, catalogue);
        }
        return;
    }
    ArchiveCache cache = readArchiveCache(app + ArchiveCacheFile, observer);
    Catalogue found;
    CatalogueIndex index(found);
    scanFolders(folders, index, cache, observer);
    if (index.leftOutNames() > 0)
        observer.message(std::to_string(index.leftOutNames()) +
                         " names found in the archives were left out of the catalogue: the "
                         "game's console cannot take them as they are.");
    purgeCatalogue(found);
    catalogue = std::move(found);
    writeCatalogueFiles(app, catalogue);
    cache.write(app + ArchiveCacheFile);
}

void rebuildCatalogue(const std::string& gameFolder, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer) {
    rebuildCatalogue(gameFolder.empty() ? std::vector<std::string>{}
                                        : std::vector<std::string>{gameFolder},
                     appDir, catalogue, observer);
}

} // namespace velkarn
