#include "core/platform/GameExecutable.h"

#include "core/platform/FileSystem.h"

namespace velkarn {

const std::vector<std::string>& gameExecutableNames() {
    static const std::vector<std::string> names = {
        "quake3.exe",    "ioquake3.x86_64", "ioquake3", "quake3e.x64",
        "quake3.x86_64", "quake3.x86",      "quake3",
    };
    return names;
}

std::optional<std::string> findGameExecutable(const std::string& gameFolder) {
    for (const auto& name : gameExecutableNames()) {
        const std::string path = withTrailingSlash(gameFolder) + name;
        if (fileExists(path))
            return path;
    }
    return std::nullopt;
}

} // namespace velkarn
