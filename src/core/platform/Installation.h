#pragma once

#include "core/platform/SystemLayout.h"

#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// One way the game is installed: how it starts, the folder the engine reads as its base, the
// user's own folder it reads first and writes to, and the name of the data folder in both.
struct Installation {
    enum class Kind { Folder, DebianOpenArena, DebianIoquake3, Flatpak };

    Kind kind = Kind::Folder;
    std::string label;
    std::vector<std::string> startCommand; // program and arguments; empty: no engine found
    std::string baseFolder;                // ends with "/"
    std::string homeFolder;                // ends with "/"
    std::string dataFolder = "baseq3";
    std::string userHome; // the user's home folder, which the game script never leaves by a link
    // The dedicated server program (no window, console on standard input and output) and its
    // first arguments; empty when the installation has none.
    std::vector<std::string> serverCommand;
    // Some data folder the engine reads holds a .pk3 archive. Without one the engine starts to an
    // error and the search finds nothing, so such an installation is never chosen by itself.
    bool hasGameData = false;

    // What path.txt keeps after its two lines; empty for a self-contained folder, so that a
    // two-line path.txt stays what it always was.
    std::string id() const;
    // The start command as one line, its parts separated by blanks; empty without an engine.
    std::string commandText() const;
    // The folders the content search walks, the home folder first as the engine reads it;
    // nothing for a folder not yet named.
    std::vector<std::string> contentFolders() const;
};

// A self-contained folder (the engine and its data folder side by side). Its home folder is the
// folder itself, unless the data folder is not writable; then the engine's ~/.q3a. The data
// folder is baseq3, or baseoa when only that one is there. A dedicated server program in the
// folder is its server command. An empty name gives an installation without folders.
Installation installationInFolder(const std::string& folder, const SystemLayout& layout);

// Every installation of the packaged kinds present here, most likely first. A Debian server
// package alone (a machine without a display) is an installation with a server command and no
// start command. The label of one without game data ends with " (no game data)".
std::vector<Installation> findInstallations(const SystemLayout& layout);

// The installation a first start uses without asking: the first of `found` that has game data
// and starts a game, else the first that has game data (a server alone still serves); none when
// no installation has game data.
std::optional<Installation> installationForFirstStart(const std::vector<Installation>& found);

// The installation path.txt names: its id (empty for a folder) and the game folder line.
// Throws UserMessage, naming the installation, when a packaged one is no longer there.
Installation storedInstallation(const std::string& id, const std::string& gameFolder,
                                const SystemLayout& layout);

// What is wrong with the game folder a self-contained installation names: "The game folder X
// does not exist." or "The game folder X is not a folder." (X without its last "/"); empty when
// it is a folder, or the installation is packaged (its folders are the package's).
std::string gameFolderProblem(const Installation& installation);

// The one check of a folder the user names as the game, typed, picked or given to `velkarn use`:
// the folder as an installation when it holds an engine or a data folder (its start command is
// empty when it holds no engine). Throws a clear UserMessage naming the path when the name is
// empty, cannot be kept in path.txt, is no folder, or the folder holds neither, or its data
// folder is a file.
Installation requireGameFolder(const std::string& folder, const SystemLayout& layout);

} // namespace velkarn
