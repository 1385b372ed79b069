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
    if (!index.IsKnownMapFile(fileName))
        index.appendMap(toLower(fileName));
    if (AMapFile* map = index.findMapExact(toLower(fileName)))
        map->ArchivePath = archivePath;
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
    const std::string folder = ParentFolder(name);
    if (ParentFolder(folder) != ModelFolders)
        return;
    const std::string model = LastPathPart(folder);
    if (!index.IsKnownModel(model) && meshes.ModelFolderHasMesh(k))
        index.appendModel(model);
    observer.step();
    AModel* known = index.findModelNoCase(model);
    std::string skin;
    if (!known || !headSkinName(LastPathPart(name), skin))
        return;
    if (!IsKnownSkin(*known, skin) && known->SkinCount < MaxModelSkins)
        known->Skins[known->SkinCount++] = skin;
    observer.step();
}

} // namespace

bool MeshLookahead::ModelFolderHasMesh(std::size_t entry) {
    const std::string folder = LastPathPart(ParentFolder(entries_[entry].FileName));
    if (valid_ && folder == folder_ && entry >= first_ && entry <= walkedTo_)
        return result_;
    bool note = false;
    std::size_t j = entry;
    for (;; ++j) {
        const std::string& name = entries_[j].FileName;
        note = toLower(entryExtension(name)) == ".md3";
        if (note || LastPathPart(ParentFolder(name)) != folder || j + 1 >= entries_.size())
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
    if (toLower(ColumnText(fileName, 1, 4)) != "head" ||
        toLower(ColumnText(fileName, length - 4, length)) != ".skin")
        return false;
    const std::string blanked =
        Trim(Spaces(5) + (fileName.size() > 5 ? fileName.substr(5) : std::string()));
    skin = blanked.size() > 5 ? blanked.substr(0, blanked.size() - 5) : std::string();
    return true;
}

void ScanArchive(const std::string& archivePath, TZipMaster& zip, CatalogueIndex& index,
                 SearchObserver& observer) {
    observer.keepAlive();
    zip.setZipFilename(archivePath);
    const auto& entries = zip.Entries();
    MeshLookahead meshes(entries);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string& name = entries[k].FileName;
        takeMapEntry(name, archivePath, index, observer);
        if (isBotText(name)) {
            if (const auto text = zip.ReadEntryAt(static_cast<int>(k), MaxTextEntryBytes)) {
                ParseBotText(splitLines(*text), index);
                observer.step();
            }
            observer.keepAlive();
        }
        takeModelEntry(name, k, meshes, index, observer);
        if (isArenaText(name)) {
            if (const auto text = zip.ReadEntryAt(static_cast<int>(k), MaxTextEntryBytes))
                ParseArenaText(splitLines(*text), index);
            observer.keepAlive();
        }
    }
}

} // namespace velkarn
