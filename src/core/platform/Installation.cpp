#include "core/platform/Installation.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "core/platform/PrintableText.h"

#include <filesystem>
#include <unistd.h>

namespace velkarn {

namespace {

constexpr const char* FlatpakApp = "org.ioquake3.ioquake3";

bool isExecutable(const std::string& path) {
    return fileExists(path) && ::access(path.c_str(), X_OK) == 0;
}

std::string parentFolder(const std::string& path) {
    return path.substr(0, path.find_last_of('/') + 1);
}

std::optional<Installation> debianOpenArena(const SystemLayout& layout) {
    const std::string wrapper = layout.system("/usr/games/openarena");
    if (!isExecutable(wrapper) || !folderExists(layout.system("/usr/lib/openarena")))
        return std::nullopt;
    // The wrapper sets the engine's paths itself.
    return Installation{Installation::Kind::DebianOpenArena,
                        "OpenArena (Debian package)",
                        {wrapper},
                        layout.system("/usr/lib/openarena/"),
                        layout.home + ".openarena/",
                        "baseoa",
                        layout.home};
}

// The engine's own folder: the one its program really lies in, links resolved.
std::string engineFolder(const std::string& program) {
    std::error_code error;
    const auto real = std::filesystem::canonical(program, error);
    return parentFolder(error ? program : real.string());
}

std::optional<Installation> debianIoquake3(const SystemLayout& layout) {
    std::string engine = layout.system("/usr/lib/ioquake3/ioquake3");
    if (!isExecutable(engine)) {
        engine.clear();
        for (const char* name : {"ioquake3", "quake3"}) {
            engine = layout.findOnPath(name);
            if (engine.empty() && isExecutable(layout.system("/usr/games/") + name))
                engine = layout.system("/usr/games/") + name;
            if (!engine.empty())
                break;
        }
    }
    if (engine.empty())
        return std::nullopt;
    // Newer engines keep the user's files in the XDG data folder when that one exists.
    const std::string xdgHome = layout.xdgDataHome + "q3a/";
    return Installation{Installation::Kind::DebianIoquake3,
                        "ioquake3 with Quake III data",
                        {engine},
                        engineFolder(engine),
                        folderExists(xdgHome) ? xdgHome : layout.home + ".q3a/",
                        "baseq3",
                        layout.home};
}

std::optional<Installation> flatpakIoquake3(const SystemLayout& layout) {
    const std::string flatpak = layout.findOnPath("flatpak");
    const bool installed = folderExists(layout.xdgDataHome + "flatpak/app/" + FlatpakApp) ||
                           folderExists(layout.system("/var/lib/flatpak/app/") + FlatpakApp);
    if (flatpak.empty() || !installed)
        return std::nullopt;
    // The engine's own folder is inside the sandbox; the user's data lives in its home.
    const std::string home = layout.home + ".var/app/" + FlatpakApp + "/data/q3a/";
    return Installation{Installation::Kind::Flatpak,
                        "ioquake3 (Flatpak)",
                        {flatpak, "run", FlatpakApp},
                        home,
                        home,
                        "baseq3",
                        layout.home};
}

} // namespace

std::string Installation::id() const {
    switch (kind) {
    case Kind::DebianOpenArena:
        return "debian-openarena";
    case Kind::DebianIoquake3:
        return "debian-ioquake3";
    case Kind::Flatpak:
        return "flatpak-ioquake3";
    case Kind::Folder:
        break;
    }
    return "";
}

std::string Installation::commandText() const {
    std::string text;
    for (const auto& part : startCommand)
        text += (text.empty() ? "" : " ") + part;
    return text;
}

std::vector<std::string> Installation::contentFolders() const {
    if (baseFolder.empty())
        return {};
    if (kind == Kind::Folder)
        return {baseFolder}; // its home folder, when elsewhere, holds only what the engine wrote
    std::vector<std::string> folders{homeFolder};
    if (baseFolder != homeFolder)
        folders.push_back(baseFolder);
    return folders;
}

Installation installationInFolder(const std::string& folder, const SystemLayout& layout) {
    Installation installation;
    installation.baseFolder = withTrailingSlash(folder);
    installation.label = installation.baseFolder;
    if (!folderExists(installation.baseFolder + "baseq3") &&
        folderExists(installation.baseFolder + "baseoa"))
        installation.dataFolder = "baseoa";
    if (const auto engine = findGameExecutable(installation.baseFolder))
        installation.startCommand = {*engine};
    const std::string data = installation.baseFolder + installation.dataFolder;
    const bool writable = !folderExists(data) || ::access(data.c_str(), W_OK) == 0;
    installation.homeFolder = writable ? installation.baseFolder : layout.home + ".q3a/";
    installation.userHome = layout.home;
    return installation;
}

std::vector<Installation> findInstallations(const SystemLayout& layout) {
    std::vector<Installation> found;
    for (const auto& candidate :
         {debianOpenArena(layout), debianIoquake3(layout), flatpakIoquake3(layout)})
        if (candidate)
            found.push_back(*candidate);
    return found;
}

Installation storedInstallation(const std::string& id, const std::string& gameFolder,
                                const SystemLayout& layout) {
    if (id.empty())
        return installationInFolder(gameFolder, layout);
    for (const auto& installation : findInstallations(layout))
        if (installation.id() == id)
            return installation;
    throw UserMessage("The game installation \"" + id +
                      "\" chosen in Options, Game is no longer there.");
}

void requireGameFolder(const std::string& folder) {
    const std::string base = withTrailingSlash(folder);
    if (hasControlCharacter(base))
        throw UserMessage("The game folder " + printableText(base) +
                          " has a control character in its name, which path.txt cannot keep.");
    if (!folderExists(base))
        throw UserMessage("The game folder " + base + " does not exist.");
    for (const char* data : {"baseq3", "baseoa"})
        if (pathExists(base + data) && !folderExists(base + data))
            throw UserMessage("The data folder " + base + data + " is a file, not a folder.");
    if (!findGameExecutable(base) && !folderExists(base + "baseq3") &&
        !folderExists(base + "baseoa"))
        throw UserMessage("The folder " + base + " holds neither a game engine nor a data folder.");
}

} // namespace velkarn
