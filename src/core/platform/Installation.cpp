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
    const std::string client = layout.system("/usr/games/openarena");
    const std::string server = layout.system("/usr/games/openarena-server");
    const bool hasClient =
        isExecutable(client) && folderExists(layout.system("/usr/lib/openarena"));
    const bool hasServer =
        isExecutable(server) && folderExists(layout.system("/usr/lib/openarena-server"));
    if (!hasClient && !hasServer)
        return std::nullopt;
    // The wrappers set the engine's paths themselves; both keep the user's files in ~/.openarena.
    Installation installation{Installation::Kind::DebianOpenArena,
                              "OpenArena (Debian package)",
                              {client},
                              layout.system("/usr/lib/openarena/"),
                              layout.home + ".openarena/",
                              "baseoa",
                              layout.home,
                              {}};
    if (hasServer)
        installation.serverCommand = {server};
    if (!hasClient) {
        installation.label = "OpenArena server (Debian package)";
        installation.startCommand.clear();
        installation.baseFolder = layout.system("/usr/lib/openarena-server/");
    }
    return installation;
}

// The engine's own folder: the one its program really lies in, links resolved.
std::string engineFolder(const std::string& program) {
    std::error_code error;
    const auto real = std::filesystem::canonical(program, error);
    return parentFolder(error ? program : real.string());
}

// ioquake3-server puts its program beside the client's.
std::string debianIoquake3Server(const SystemLayout& layout, const std::string& engine) {
    for (const std::string& program :
         {engine.empty() ? std::string() : engineFolder(engine) + "ioq3ded",
          layout.system("/usr/lib/ioquake3/ioq3ded")})
        if (!program.empty() && isExecutable(program))
            return program;
    return "";
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
    const std::string server = debianIoquake3Server(layout, engine);
    if (engine.empty() && server.empty())
        return std::nullopt;
    // Newer engines keep the user's files in the XDG data folder when that one exists.
    const std::string xdgHome = layout.xdgDataHome + "q3a/";
    Installation installation{Installation::Kind::DebianIoquake3,
                              "ioquake3 (Debian package)",
                              {engine},
                              engineFolder(engine.empty() ? server : engine),
                              folderExists(xdgHome) ? xdgHome : layout.home + ".q3a/",
                              "baseq3",
                              layout.home,
                              {}};
    if (!server.empty())
        installation.serverCommand = {server};
    if (engine.empty()) {
        installation.label = "ioquake3 server (Debian package)";
        installation.startCommand.clear();
    }
    return installation;
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
                        layout.home,
                        {}}; // no dedicated server in the sandbox
}

// An archive in a data folder the engine reads; the search takes the same names.
bool holdsGameData(const Installation& installation) {
    for (const auto& folder : installation.contentFolders()) {
        const std::string data = folder + installation.dataFolder + "/";
        for (const auto& entry : listFolder(data))
            if (!entry.isFolder && entry.name.ends_with(".pk3") && fileExists(data + entry.name))
                return true;
    }
    return false;
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
    installation.userHome = layout.home;
    // A folder not yet named stays unnamed: made absolute it would be "/", the whole disk.
    if (folder.empty())
        return installation;
    installation.baseFolder = withTrailingSlash(folder);
    installation.label = installation.baseFolder;
    if (!folderExists(installation.baseFolder + "baseq3") &&
        folderExists(installation.baseFolder + "baseoa"))
        installation.dataFolder = "baseoa";
    if (const auto engine = findGameExecutable(installation.baseFolder))
        installation.startCommand = {*engine};
    if (const auto server = findDedicatedExecutable(installation.baseFolder))
        installation.serverCommand = {*server};
    const std::string data = installation.baseFolder + installation.dataFolder;
    const bool writable = !folderExists(data) || ::access(data.c_str(), W_OK) == 0;
    installation.homeFolder = writable ? installation.baseFolder : layout.home + ".q3a/";
    installation.hasGameData = holdsGameData(installation);
    return installation;
}

std::vector<Installation> findInstallations(const SystemLayout& layout) {
    std::vector<Installation> found;
    for (const auto& candidate :
         {debianOpenArena(layout), debianIoquake3(layout), flatpakIoquake3(layout)})
        if (candidate) {
            found.push_back(*candidate);
            Installation& installation = found.back();
            installation.hasGameData = holdsGameData(installation);
            if (!installation.hasGameData)
                installation.label += " (no game data)";
        }
    return found;
}

std::optional<Installation> installationForFirstStart(const std::vector<Installation>& found) {
    for (const bool needsEngine : {true, false})
        for (const auto& installation : found)
            if (installation.hasGameData && (!needsEngine || !installation.startCommand.empty()))
                return installation;
    return std::nullopt;
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

std::string gameFolderProblem(const Installation& installation) {
    const std::string& base = installation.baseFolder;
    if (installation.kind != Installation::Kind::Folder || base.empty() || folderExists(base))
        return {};
    const std::string named =
        base.size() > 1 && base.back() == '/' ? base.substr(0, base.size() - 1) : base;
    return "The game folder " + named +
           (pathExists(named) ? " is not a folder." : " does not exist.");
}

Installation requireGameFolder(const std::string& folder, const SystemLayout& layout) {
    if (folder.empty())
        throw UserMessage("No game folder is named.");
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
    return installationInFolder(base, layout);
}

} // namespace velkarn
