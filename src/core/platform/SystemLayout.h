#pragma once

#include <string>
#include <vector>

namespace velkarn {

// Where this system keeps things, as the environment says: the home folder, the program search
// path and the data folder of the XDG base directories. `root` prefixes the fixed system paths
// (/usr/games, /usr/lib, /var/lib/flatpak), so tests can lay out a system of their own.
struct SystemLayout {
    std::string root = "/";
    std::string home;              // ends with "/"
    std::vector<std::string> path; // the folders of PATH, each ending with "/"
    std::string xdgDataHome;       // ends with "/"

    // From HOME, PATH and XDG_DATA_HOME (default: HOME/.local/share/).
    static SystemLayout current();
    // `absolute` (starting with "/") below the root.
    std::string system(const std::string& absolute) const;
    // The first program named `name` on the search path, or empty.
    std::string findOnPath(const std::string& name) const;
};

// The folder of Velkarn's own files: XDG_DATA_HOME/velkarn/, ending with "/".
std::string defaultAppDir(const SystemLayout& layout);

} // namespace velkarn
