#include "core/results/GameLogSource.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/NoCase.h"
#include "core/platform/Process.h"
#include "core/platform/TextFile.h"

#include <algorithm>

namespace velkarn {

namespace {

// Config files are a few kilobytes; anything much larger is no config file of the engine's.
constexpr unsigned long long MaxConfigBytes = 1024ULL * 1024;
// The engine's MAX_QPATH.
constexpr std::size_t MaxLogNameLength = 63;

// The commands of a config file as the engine splits them: at line ends and ";" outside
// quotes, "//" starting a comment, quotes grouping a word.
std::vector<std::vector<std::string>> commandsOf(const std::string& text) {
    std::vector<std::vector<std::string>> commands(1);
    std::string word;
    bool inWord = false;
    bool quoted = false;
    auto endWord = [&] {
        if (inWord)
            commands.back().push_back(word);
        word.clear();
        inWord = false;
    };
    auto endCommand = [&] {
        endWord();
        if (!commands.back().empty())
            commands.emplace_back();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            quoted = false;
            endCommand();
        } else if (quoted) {
            if (c == '"') {
                quoted = false;
                endWord();
            } else {
                word += c;
            }
        } else if (c == '"') {
            endWord();
            quoted = true;
            inWord = true;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            i = std::min(text.find('\n', i), text.size()) - 1;
        } else if (c == ';') {
            endCommand();
        } else if (c == ' ' || c == '\t') {
            endWord();
        } else {
            word += c;
            inWord = true;
        }
    }
    endCommand();
    return commands;
}

// The value a command gives g_log, if it sets it.
std::optional<std::string> logNameSetBy(const std::vector<std::string>& command) {
    std::size_t valueAt = 0;
    if (command.size() >= 3 && equalsNoCase(command[1], "g_log") &&
        (equalsNoCase(command[0], "set") || equalsNoCase(command[0], "seta") ||
         equalsNoCase(command[0], "sets") || equalsNoCase(command[0], "setu")))
        valueAt = 2;
    else if (command.size() >= 2 && equalsNoCase(command[0], "g_log"))
        valueAt = 1;
    else
        return std::nullopt;
    std::string value;
    for (std::size_t i = valueAt; i < command.size(); ++i)
        value += (i > valueAt ? " " : "") + command[i];
    return value;
}

bool safeLogName(const std::string& name) {
    if (name.size() > MaxLogNameLength || name.front() == '/' ||
        name.find("..") != std::string::npos)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || c == '\\' || c == ':';
    });
}

// The folder named by "+set fs_game NAME" in the mod's parameters, if any.
std::string modFolderIn(const std::string& parameters) {
    const auto words = splitParameters(parameters);
    std::string folder;
    for (std::size_t i = 0; i + 2 < words.size(); ++i)
        if (equalsNoCase(words[i], "+set") && equalsNoCase(words[i + 1], "fs_game"))
            folder = words[i + 2];
    if (folder.find('/') != std::string::npos || folder.find("..") != std::string::npos)
        return "";
    return folder;
}

bool pidFileNamesLiveProcess(const std::string& path) {
    FileState state;
    if (!fileState(path, state) || state.size > 32)
        return false;
    try {
        return processRunning(std::stoll(readFileBytes(path)));
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::optional<std::string> configuredLogName(const std::vector<std::string>& folders) {
    std::optional<std::string> name;
    for (const char* file : {"q3config.cfg", "autoexec.cfg"}) {
        for (const std::string& folder : folders) {
            const std::string path = folder + file;
            FileState state;
            if (!fileState(path, state))
                continue;
            if (state.size <= MaxConfigBytes) {
                try {
                    for (const auto& command : commandsOf(readFileBytes(path)))
                        if (const auto value = logNameSetBy(command))
                            name = value;
                } catch (const Error&) {
                    // An unreadable config file is one the engine cannot read either.
                }
            }
            break; // the engine executes the first one it finds
        }
    }
    if (name && !name->empty() && !safeLogName(*name))
        return std::nullopt;
    return name;
}

GameLogSource gameLogSource(const Installation& installation, const std::string& modParameters) {
    if (installation.homeFolder.empty())
        throw UserMessage("Please set Quake III Arena executable path in Options, Game!");
    GameLogSource source;
    source.installation = installation.id().empty() ? installation.baseFolder : installation.id();
    const std::string mod = modFolderIn(modParameters);
    const std::string game = mod.empty() ? installation.dataFolder : mod;
    source.folder = installation.homeFolder + game + "/";
    std::vector<std::string> folders{source.folder};
    if (installation.baseFolder != installation.homeFolder)
        folders.push_back(installation.baseFolder + game + "/");
    if (!mod.empty()) {
        folders.push_back(installation.homeFolder + installation.dataFolder + "/");
        if (installation.baseFolder != installation.homeFolder)
            folders.push_back(installation.baseFolder + installation.dataFolder + "/");
    }
    const std::string name = configuredLogName(folders).value_or("games.log");
    if (name.empty())
        source.note = "The game keeps no log: g_log is set empty in its config files.";
    else
        source.path = source.folder + name;
    // The engine's own program tells whether it keeps a pid file: ioquake3 and the packages
    // built on it (OpenArena) do.
    if (installation.kind == Installation::Kind::Folder) {
        const std::string program =
            installation.startCommand.empty() ? "" : fileNamePart(installation.startCommand[0]);
        source.keepsPidFile = program.find("ioq") != std::string::npos ||
                              program.find("openarena") != std::string::npos;
    }
    return source;
}

bool gameRunning(const GameLogSource& source, long long nowSeconds) {
    if (source.running)
        return *source.running;
    for (const char* pidFile : {"ioq3.pid", "ioq3_server.pid"})
        if (pidFileNamesLiveProcess(source.folder + pidFile))
            return true;
    if (source.keepsPidFile)
        return false;
    FileState log;
    return fileState(source.path, log) && nowSeconds - log.modifiedSeconds < QuietSeconds;
}

} // namespace velkarn
