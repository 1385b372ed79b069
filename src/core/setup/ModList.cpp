#include "core/setup/ModList.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/ListFile.h"
#include "core/platform/PrintableText.h"
#include "core/platform/TextFile.h"
#include "core/setup/ScriptValues.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

namespace {

const std::string FsGamePrefix = "+set fs_game ";

// A folder counts as listed when some entry's parameters begin with the prefix and the folder
// name. Only as many characters as that text has are compared, so a listed "arena22" also
// covers a folder "arena2"; an entry whose parameters were edited no longer covers its folder.
bool isListed(const std::vector<Mod>& mods, const std::string& folder) {
    const std::string wanted = FsGamePrefix + folder;
    return std::any_of(mods.begin(), mods.end(), [&](const Mod& mod) {
        return trim(mod.parameters.substr(0, wanted.size())) == wanted;
    });
}

// The engine takes its command line as text again: it splits it at every "+", and runs each
// part as console commands; it refuses game folders with a backslash. A folder name is offered
// only when it reaches the engine whole as fs_game and can run nothing else.
bool isModFolderName(const std::string& folder) {
    return !folder.empty() && isSafeScriptValue(folder, ScriptValueKind::Word) &&
           folder.find_first_of("+\\") == std::string::npos && folder.front() != '-';
}

// A mod folder holds the game's "vm" folder or file, or failing that at least one archive.
bool isModFolder(const std::string& folderPath) {
    if (pathExists(folderPath + "vm"))
        return true;
    const auto entries = listFolder(folderPath);
    return std::any_of(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
        return endsWithNoCase(entry.name, ".pk3") && fileExists(folderPath + entry.name);
    });
}

// Windows listed folders alphabetically ignoring case; the same order keeps the result stable.
bool folderOrder(const FolderEntry& a, const FolderEntry& b) {
    return lessNoCase(a.name, b.name);
}

bool isEditable(const std::vector<Mod>& mods, int index) {
    return index > 0 && index < static_cast<int>(mods.size());
}

} // namespace

std::vector<Mod> freshModList() {
    return {Mod{"[None]", ""}};
}

std::vector<Mod> readModsFile(const std::string& path, std::vector<std::string>* problems) {
    if (!pathExists(path))
        return freshModList();
    const std::string bytes = readFileBytes(path);
    const Lines lines = splitLines(bytes);
    std::vector<Mod> mods;
    std::size_t i = 0;
    do {
        mods.push_back(Mod{lineAt(lines, i), lineAt(lines, i + 1)});
        i += 2;
    } while (i < lines.size());
    ProblemList found;
    if (lines.size() % 2 == 1)
        found.add(fileLinePrefix(path, lines.size()) + "the mod \"" +
                  printableText(mods.back().name) +
                  "\" is cut short: its parameters line is missing.");
    else // an odd last line is said once, cut or not
        noteCutLastLine(path, bytes, lines.size(), found);
    if (problems)
        for (std::string& problem : found.lines(path))
            problems->push_back(std::move(problem));
    return mods;
}

void writeModsFile(const std::string& path, const std::vector<Mod>& mods, bool readWhole) {
    Lines lines;
    for (const auto& mod : mods) {
        lines.push_back(mod.name);
        lines.push_back(mod.parameters);
    }
    writeListFile(path, joinLines(lines), readWhole);
}

std::string modFolderParameters(const std::string& folder) {
    return FsGamePrefix + folder + " +sv_pure 0";
}

int appendModFolders(const std::string& gameFolder, std::vector<Mod>& mods) {
    const std::string root = withTrailingSlash(gameFolder);
    auto entries = listFolder(root);
    std::stable_sort(entries.begin(), entries.end(), folderOrder);
    int added = 0;
    for (const auto& entry : entries) {
        const std::string& folder = entry.name;
        // The games' own data folders are no mods.
        if (!entry.isFolder || folder == "baseq3" || folder == "baseoa" ||
            !isModFolderName(folder) || isListed(mods, folder))
            continue;
        const std::string folderPath = root + folder + "/";
        if (!isModFolder(folderPath))
            continue;
        mods.push_back(Mod{folder, modFolderParameters(folder)});
        ++added;
        const std::string description = folderPath + "description.txt";
        if (fileExists(description))
            mods.back().name = printableText(lineAt(readTextFile(description), 0));
    }
    return added;
}

std::string modStartParameters(const std::vector<Mod>& mods, int selectedIndex) {
    return isEditable(mods, selectedIndex)
               ? mods[static_cast<std::size_t>(selectedIndex)].parameters
               : "";
}

int modIndexForName(const std::vector<Mod>& mods, const std::string& name) {
    for (std::size_t i = 0; i < mods.size(); ++i)
        if (equalsNoCase(mods[i].name, name))
            return static_cast<int>(i);
    return 0;
}

bool canEditOrRemoveMod(const std::vector<Mod>& mods, int selectedIndex) {
    return isEditable(mods, selectedIndex);
}

bool replaceModAt(std::vector<Mod>& mods, int index, const Mod& edited) {
    if (!isEditable(mods, index))
        return false;
    mods[static_cast<std::size_t>(index)] = edited;
    return true;
}

bool removeModAt(std::vector<Mod>& mods, int index) {
    if (!isEditable(mods, index))
        return false;
    mods.erase(mods.begin() + index);
    return true;
}

} // namespace velkarn
