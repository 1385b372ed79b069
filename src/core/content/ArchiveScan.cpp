#include "core/content/ArchiveScan.h"

#include "core/content/EntryNames.h"
#include "core/content/GameTexts.h"
#include "core/setup/ScriptValues.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

constexpr std::string_view ModelFolders = "models\\players\\";

// What the search takes from one entry, decided from its name without copying it.
struct EntryName {
    explicit EntryName(const std::string& name)
        : path(name), fileName(entryFileName(name)), extension(entryExtension(fileName)) {}

    bool isMap() const { return equalsNoCase(extension, ".bsp"); }
    bool isBotText() const { return fileName == "bots.txt" || extension == ".bot"; }
    bool isArenaText() const { return fileName == "arenas.txt" || extension == ".arena"; }
    // Only a name below models\players\ can lie in a model folder there.
    bool mayBeInModelFolder() const { return path.starts_with(ModelFolders); }

    std::string_view path;
    std::string_view fileName;
    std::string_view extension;
};

void takeMapEntry(const EntryName& entry, const std::string& archivePath, CatalogueIndex& index,
                  SearchObserver& observer) {
    const std::string_view fileName = entry.fileName;
    const std::string_view mapName = fileName.substr(0, fileName.size() - entry.extension.size());
    if (mapName == "test_bigbox")
        return;
    if (!isSafeScriptValue(mapName, ScriptValueKind::Word)) {
        index.leaveOutName();
        return;
    }
    const std::string lowerName = toLower(std::string(fileName));
    if (!index.isKnownMapFile(lowerName))
        index.appendMap(lowerName);
    if (MapFile* map = index.findMapExact(lowerName))
        index.setMapArchive(*map, archivePath);
    observer.step();
}

// The model of the last model folder looked at: the files of a folder are listed together, and
// once its model is catalogued it stays the same.
struct KnownModelFolder {
    std::string_view folder;
    PlayerModel* model = nullptr;
    bool refused = false; // its name is no model name the game's console can take
};

PlayerModel* findOrAddModel(std::string_view folder, std::size_t k, MeshLookahead& meshes,
                            CatalogueIndex& index, KnownModelFolder& last) {
    if ((last.model || last.refused) && folder == last.folder)
        return last.model;
    const std::string model(lastPathPart(folder));
    if (!isSafeModelName(model)) {
        index.leaveOutName();
        last = {folder, nullptr, true};
        return nullptr;
    }
    PlayerModel* known = index.findModelNoCase(model);
    if (!known && meshes.modelFolderHasMesh(k))
        known = &index.appendModel(model);
    last = {folder, known, false};
    return known;
}

void takeModelEntry(const EntryName& entry, std::size_t k, MeshLookahead& meshes,
                    CatalogueIndex& index, KnownModelFolder& last, SearchObserver& observer) {
    const std::string_view folder = parentFolder(entry.path);
    if (parentFolder(folder) != ModelFolders)
        return;
    PlayerModel* known = findOrAddModel(folder, k, meshes, index, last);
    observer.step();
    std::string skin;
    if (!known || !headSkinName(lastPathPart(entry.path), skin))
        return;
    if (!isSafeSkinName(skin)) {
        index.leaveOutName();
        return;
    }
    if (!isKnownSkin(*known, skin) && known->skinCount < MaxModelSkins)
        known->skins[static_cast<std::size_t>(known->skinCount++)] = skin;
    observer.step();
}

} // namespace

bool MeshLookahead::modelFolderHasMesh(std::size_t entry) {
    const std::string_view folder = lastPathPart(parentFolder(entries_[entry].fileName));
    if (valid_ && folder == folder_ && entry >= first_ && entry <= walkedTo_)
        return result_;
    bool note = false;
    std::size_t j = entry;
    for (;; ++j) {
        const std::string& name = entries_[j].fileName;
        note = equalsNoCase(entryExtension(name), ".md3");
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

bool headSkinName(std::string_view name, std::string& skin) {
    if (name.size() < 5 || !equalsNoCase(name.substr(0, 4), "head") ||
        !equalsNoCase(name.substr(name.size() - 5), ".skin"))
        return false;
    const std::string blanked = trim(std::string(name.substr(5)));
    skin = blanked.size() > 5 ? blanked.substr(0, blanked.size() - 5) : std::string();
    return true;
}

void scanArchive(const std::string& archivePath, ZipArchive& zip, CatalogueIndex& index,
                 SearchObserver& observer) {
    observer.keepAlive();
    zip.setZipFilename(archivePath);
    const auto& entries = zip.entries();
    MeshLookahead meshes(entries);
    KnownModelFolder lastModelFolder;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const EntryName name(entries[k].fileName);
        if (name.isMap())
            takeMapEntry(name, archivePath, index, observer);
        if (name.isBotText()) {
            if (const auto text = zip.readEntryAt(static_cast<int>(k), MaxTextEntryBytes)) {
                parseBotText(splitLines(*text), index);
                observer.step();
            }
            observer.keepAlive();
        }
        if (name.mayBeInModelFolder())
            takeModelEntry(name, k, meshes, index, lastModelFolder, observer);
        if (name.isArenaText()) {
            if (const auto text = zip.readEntryAt(static_cast<int>(k), MaxTextEntryBytes))
                parseArenaText(splitLines(*text), index);
            observer.keepAlive();
        }
    }
}

} // namespace velkarn
