#include "core/platform/SystemLayout.h"

#include "core/platform/FileSystem.h"

#include <cstdlib>
#include <unistd.h>

namespace velkarn {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

SystemLayout SystemLayout::current() {
    SystemLayout layout;
    const std::string home = environment("HOME");
    layout.home = home.empty() ? "/" : withTrailingSlash(home);
    const std::string searchPath = environment("PATH");
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
        // An empty entry means the current folder, which is never where a game is looked for.
        if (end > start)
            layout.path.push_back(withTrailingSlash(searchPath.substr(start, end - start)));
        start = end + 1;
    }
    const std::string dataHome = environment("XDG_DATA_HOME");
    // The XDG rules ignore a relative XDG_DATA_HOME.
    layout.xdgDataHome = !dataHome.empty() && dataHome.front() == '/'
                             ? withTrailingSlash(dataHome)
                             : layout.home + ".local/share/";
    return layout;
}

std::string SystemLayout::system(const std::string& absolute) const {
    return withTrailingSlash(root) + absolute.substr(absolute.front() == '/' ? 1 : 0);
}

std::string SystemLayout::findOnPath(const std::string& name) const {
    for (const auto& folder : path) {
        std::string candidate = folder + name;
        if (fileExists(candidate) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return "";
}

std::string defaultAppDir(const SystemLayout& layout) {
    return layout.xdgDataHome + "velkarn/";
}

} // namespace velkarn
