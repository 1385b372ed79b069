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
// folder is its server command.
Installation installationInFolder(const std::string& folder, const SystemLayout& layout);

// Every installation of the packaged kinds present here, most likely first. A Debian server
// package alone (a machine without a display) is an installation with a server command and no
// start command.
std::vector<Installation> findInstallations(const SystemLayout& layout);

// The installation path.txt names: its id (empty for a folder) and the game folder line.
// Throws UserMessage, naming the installation, when a packaged one is no longer there.
Installation storedInstallation(const std::string& id, const std::string& gameFolder,
                                const SystemLayout& layout);

// Checks a folder the user names: a clear UserMessage naming the path when it is no folder, or
// holds neither an engine nor a data folder, or its data folder is a file.
void requireGameFolder(const std::string& folder);

} // namespace velkarn
