#pragma once

#include <string>
#include <vector>

// The mod list of the game options: display names with the game parameters that start each
// mod, stored in mods.txt as two lines per entry. Entry 0 stands for playing without a mod.
namespace velkarn {

struct Mod {
    std::string name;       // display name
    std::string parameters; // game command-line parameters, may be empty
};

// The list of a first run: the single entry "[None]" with empty parameters.
std::vector<Mod> freshModList();

// Reads mods.txt: pairs of lines (name, parameters); an odd last line gets empty parameters and
// the first pair is always taken, so a file without lines gives one entry with an empty name.
// When `problems` is given, an odd last line and a last line cut short are added to it as
// "FILE, line N: ..."; nothing read is dropped. A missing file gives freshModList(). Throws
// FileOpenError when the file exists but cannot be read.
std::vector<Mod> readModsFile(const std::string& path,
                              std::vector<std::string>* problems = nullptr);

// Replaces mods.txt with every entry, entry 0 included. When the file there could not be read
// (`readWhole` false), a smaller file is refused with UserMessage. Throws FileCreateError; the
// old file then stays as it was.
void writeModsFile(const std::string& path, const std::vector<Mod>& mods, bool readWhole = true);

// "+set fs_game " + folder + " +sv_pure 0": the parameters of a mod found in `folder`.
std::string modFolderParameters(const std::string& folder);

// Looks for mod folders in the game folder and appends the ones not yet listed, in alphabetical
// order ignoring case; returns how many were appended. A folder whose name the engine could not
// take whole as fs_game (blanks, quotes, "+", a leading "-", control characters, anything the
// game's console would read as more than a name) is no mod. The display name comes from the
// first line of description.txt, control characters shown as "?". Entries already listed are never
// removed or changed. Throws FileOpenError when a mod's description.txt cannot be read: the search
// ends there and the entries appended so far stay. Writes nothing.
int appendModFolders(const std::string& gameFolder, std::vector<Mod>& mods);

// The parameters the game is started with: empty for index 0 (no mod), a negative index (no
// selection) or an index past the end.
std::string modStartParameters(const std::vector<Mod>& mods, int selectedIndex);

// The index of the first entry whose name equals `name` ignoring case; 0 when none does.
int modIndexForName(const std::vector<Mod>& mods, const std::string& name);

// Edit and Remove apply to every entry but entry 0.
bool canEditOrRemoveMod(const std::vector<Mod>& mods, int selectedIndex);

// Replaces entry `index` by `edited`, texts as typed. False, and nothing changed, when the entry
// may not be edited (see canEditOrRemoveMod).
bool replaceModAt(std::vector<Mod>& mods, int index, const Mod& edited);

// Deletes entry `index`. False, and nothing changed, when the entry may not be removed.
bool removeModAt(std::vector<Mod>& mods, int index);

} // namespace velkarn
