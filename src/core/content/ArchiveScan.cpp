#include "core/content/ArchiveScan.h"

#include "core/content/EntryNames.h"
#include "core/content/GameTexts.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

const std::string ModelFolders = "models\\players\\";

void takeMapEntry(const std::string& name, const std::string& archivePath, CatalogueIndex& index,
                  SearchObserver& observer) {
    if (toLower(entryExtension(name)) != ".bsp")
        return;
    const std::string fileName = entryFileName(name);
    if (fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0) == "test_bigbox")
        return;
    if (!index.isKnownMapFile(fileName))
        index.appendMap(toLower(fileName));
    if (MapFile* map = index.findMapExact(toLower(fileName)))
        map->archivePath = archivePath;
    observer.step();
}

bool isBotText(const std::string& name) {
    return entryFileName(name) == "bots.txt" || entryExtension(name) == ".bot";
}

bool isArenaText(const std::string& name) {
    return entryFileName(name) == "arenas.txt" || entryExtension(name) == ".arena";
}

void takeModelEntry(const std::string& name, std::size_t k, MeshLookahead& meshes,
                    CatalogueIndex& index, SearchObserver& observer) {
    const std::string folder = parentFolder(name);
    if (parentFolder(folder) != ModelFolders)
        return;
    const std::string model = lastPathPart(folder);
    if (!index.isKnownModel(model) && meshes.modelFolderHasMesh(k))
        index.appendModel(model);
    observer.step();
    PlayerModel* known = index.findModelNoCase(model);
    std::string skin;
    if (!known || !headSkinName(lastPathPart(name), skin))
        return;
    if (!isKnownSkin(*known, skin) && known->skinCount < MaxModelSkins)
        known->skins[known->skinCount++] = skin;
    observer.step();
}

} // namespace

bool MeshLookahead::modelFolderHasMesh(std::size_t entry) {
    const std::string folder = lastPathPart(parentFolder(entries_[entry].fileName));
    if (valid_ && folder == folder_ && entry >= first_ && entry <= walkedTo_)
        return result_;
    bool note = false;
    std::size_t j = entry;
    for (;; ++j) {
        const std::string& name = entries_[j].fileName;
        note = toLower(entryExtension(name)) == ".md3";
        if (note || lastPathPart(parentFolder(name)) != folder || j + 1 >= entries_.size())
            break;
    }
    folder_ = folder;
    first_ = entry;
    walkedTo_ = j;
    result_ = note;
    valid_ = true;
    return note;
}

bool headSkinName(const std::string& fileName, std::string& skin) {
    const long long length = static_cast<long long>(fileName.size());
    if (toLower(columnText(fileName, 1, 4)) != "head" ||
        toLower(columnText(fileName, length - 4, length)) != ".skin")
        return false;
    const std::string blanked =
        trim(spaces(5) + (fileName.size() > 5 ? fileName.substr(5) : std::string()));
    skin = blanked.size() > 5 ? blanked.substr(0, blanked.size() - 5) : std::string();
    return true;
}

void scanArchive(const std::string& archivePath, ZipArchive& zip, CatalogueIndex& index,
                 SearchObserver& observer) {
    observer.keepAlive();
    zip.setZipFilename(archivePath);
    const auto& entries = zip.entries();
    MeshLookahead meshes(entries);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string& name = entries[k].fileName;
        takeMapEntry(name, archivePath, index, observer);
        if (isBotText(name)) {
            if (const auto text = zip.readEntryAt(static_cast<int>(k), MaxTextEntryBytes)) {
                parseBotText(splitLines(*text), index);
                observer.step();
            }
            observer.keepAlive();
        }
        takeModelEntry(name, k, meshes, index, observer);
        if (isArenaText(name)) {
            if (const auto text = zip.readEntryAt(static_cast<int>(k), MaxTextEntryBytes))
                parseArenaText(splitLines(*text), index);
            observer.keepAlive();
        }
    }
}

} // namespace velkarn
