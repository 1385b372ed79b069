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

void takeMapEntry(const EntryName& entry, ArchiveFinds& finds, SearchObserver& observer) {
    const std::string_view fileName = entry.fileName;
    const std::string_view mapName = fileName.substr(0, fileName.size() - entry.extension.size());
    if (mapName == "test_bigbox")
        return;
    if (!isSafeScriptValue(mapName, ScriptValueKind::Word)) {
        ++finds.leftOutNames;
        return;
    }
    finds.finds.emplace_back(MapFind{toLower(std::string(fileName))});
    observer.step();
}

// The model folder whose entries are being read: the files of a folder are listed together, and
// its name is refused or taken once for them all.
struct ModelFolderRun {
    std::string_view folder;
    bool refused = false;   // its name is no model name the game's console can take
    bool modelSure = false; // a find already makes the model known to the catalogue
};

void takeModelEntry(const EntryName& entry, std::size_t k, MeshLookahead& meshes,
                    ModelFolderRun& run, ArchiveFinds& finds, SearchObserver& observer) {
    const std::string_view folder = parentFolder(entry.path);
    if (parentFolder(folder) != ModelFolders)
        return;
    ModelFind find;
    find.model = std::string(lastPathPart(folder));
    if (folder != run.folder) {
        run = {folder, !isSafeModelName(find.model), false};
        if (run.refused)
            ++finds.leftOutNames;
    }
    observer.step();
    if (run.refused)
        return;
    find.folderHasMesh = meshes.modelFolderHasMesh(k);
    if (headSkinName(lastPathPart(entry.path), find.skin))
        find.skinKind =
            isSafeSkinName(find.skin) ? ModelFind::Skin::Named : ModelFind::Skin::Refused;
    if (find.skinKind == ModelFind::Skin::None && (!find.folderHasMesh || run.modelSure))
        return; // changes nothing
    if (find.skinKind == ModelFind::Skin::Named)
        observer.step();
    run.modelSure = run.modelSure || find.folderHasMesh;
    finds.finds.emplace_back(std::move(find));
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

ArchiveFinds readArchiveFinds(const std::string& archivePath, ZipArchive& zip,
                              SearchObserver& observer) {
    observer.keepAlive();
    zip.setZipFilename(archivePath);
    const auto& entries = zip.entries();
    MeshLookahead meshes(entries);
    ModelFolderRun modelFolder;
    ArchiveFinds finds;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const EntryName name(entries[k].fileName);
        if (name.isMap())
            takeMapEntry(name, finds, observer);
        if (name.isBotText()) {
            if (const auto text = zip.readEntryAt(static_cast<int>(k), MaxTextEntryBytes)) {
                readBotText(splitLines(*text), finds);
                observer.step();
            }
            observer.keepAlive();
        }
        if (name.mayBeInModelFolder())
            takeModelEntry(name, k, meshes, modelFolder, finds, observer);
        if (name.isArenaText()) {
            if (const auto text = zip.readEntryAt(static_cast<int>(k), MaxTextEntryBytes))
                readArenaText(splitLines(*text), finds);
            observer.keepAlive();
        }
    }
    return finds;
}

void scanArchive(const std::string& archivePath, ZipArchive& zip, CatalogueIndex& index,
                 SearchObserver& observer) {
    mergeFinds(readArchiveFinds(archivePath, zip, observer), archivePath, index);
}

} // namespace velkarn
