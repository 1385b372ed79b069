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

namespace {

std::optional<std::string> findFirst(const std::string& folder,
                                     const std::vector<std::string>& names) {
    for (const auto& name : names) {
        const std::string path = withTrailingSlash(folder) + name;
        if (fileExists(path))
            return path;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> findGameExecutable(const std::string& gameFolder) {
    return findFirst(gameFolder, gameExecutableNames());
}

const std::vector<std::string>& dedicatedExecutableNames() {
    static const std::vector<std::string> names = {
        "ioq3ded.x86_64", "ioq3ded.aarch64", "ioq3ded.x86", "ioq3ded", "oa_ded.x86_64",
        "oa_ded.i386",    "quake3e.ded.x64", "quake3e.ded", "q3ded",
    };
    return names;
}

std::optional<std::string> findDedicatedExecutable(const std::string& gameFolder) {
    return findFirst(gameFolder, dedicatedExecutableNames());
}

} // namespace velkarn
