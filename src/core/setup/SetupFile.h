#pragma once

#include "core/platform/TextFile.h"
#include "core/setup/SetupModel.h"
#include "core/setup/SetupRecords.h"

#include <string>
#include <vector>

// Setup files (configs/<name>.vkn): optional info lines, the rotation with every entry's bot
// roster, then five player lines.
namespace velkarn {

// The five lines after the rotation.
struct PlayerLines {
    std::string name;  // the coded player name
    std::string model; // empty when no model is selected
    std::string skin;  // empty when no skin is selected
    int simPing = 0;
    std::string mod; // display name of the selected mod
};

// What a reading got, filled while reading so that a failed reading leaves what came before the
// failure.
struct SetupReadResult {
    std::vector<std::string> info; // the info lines' texts, without ";"
    Rotation maps;                 // only entries read completely
    bool playerLinesRead = false;  // the five player lines were read; `player` is valid
    PlayerLines player;
    // Where it came from, for messages about its lines: the file, the line of each entry's map
    // name and of each of its bots' names.
    std::string path;
    std::vector<std::size_t> mapLines;
    std::vector<std::vector<std::size_t>> botLines;
    // Player values the game script could not carry, each "FILE, line N: The player name ...
    // must not ...!". They stay as read, so saving the setup keeps them, but it cannot be
    // played until they change.
    std::vector<std::string> problems;
    // What the game would leave out (leftOutNotes), filled by whoever knows the catalogue.
    std::vector<std::string> notes;
};

// Reads a setup file, appending to `into` (pass a fresh one), its refused player values in
// `into.problems`. An entry refers to the catalogue by
// its map name: the first map file whose fileName less its last four characters equals the name
// exactly gives its mapFileIndex; an entry whose map is not catalogued is kept with
// mapFileIndex -1, so that saving the setup again loses nothing. Game type and bot count keep
// their low 8 bits; bots past the 32 roster slots are passed over. Throws FileOpenError when the
// file cannot be read and ConvertError, naming the file and line, at the first number line that
// is not a whole number; the entry in which that happens is not kept.
void loadSetupFile(const std::string& path, const MapFiles& catalogue, SetupReadResult& into);

// What playing the rotation just read (`rotation`, entry for entry that of `read`) leaves out:
// "FILE, line N: the catalogue holds no map X, so that entry is not played." and, for the bots
// of the others, "FILE, line N: the game defines no bot X, so it is left out of the game." (see
// definedBotName). The setup keeps them all.
std::vector<std::string> leftOutNotes(const SetupReadResult& read, const Rotation& rotation,
                                      const DefinedBots& bots);

// The problems, then the notes, of a reading, one a line: what opening the file says. Empty
// when there is nothing to say.
std::string readMessages(const SetupReadResult& read);

// The lines of a setup file. `info` null writes no info lines; otherwise every line becomes ";"
// followed by it. Every entry is written with its first botCount bots (at most 32).
Lines setupFileLines(const std::vector<std::string>* info, const Rotation& maps,
                     const PlayerLines& player);

// Replaces the file with setupFileLines. Throws FileCreateError; the old file then stays intact.
void saveSetupFile(const std::string& path, const std::vector<std::string>* info,
                   const Rotation& maps, const PlayerLines& player);

// The pre-defined setups in a configs folder: the names, without their last four characters,
// of the files ending in ".vkn" ignoring case, except the one named exactly "default.vkn".
// Sorted alphabetically ignoring case. A missing folder gives none.
std::vector<std::string> predefinedSetupNames(const std::string& setupFolder);
// The same setups' file names, with their extension as spelled on disk.
std::vector<std::string> predefinedSetupFiles(const std::string& setupFolder);

// Setup files always live in the configs folder: of a path chosen in a dialog only the file
// name is used.
std::string setupFileNameFromChosenPath(const std::string& chosen);

} // namespace velkarn
