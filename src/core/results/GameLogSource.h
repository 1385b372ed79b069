#pragma once

#include "core/platform/Installation.h"

#include <optional>
#include <string>
#include <vector>

// Where the game of an installation writes its log, and whether that game is running now.
namespace velkarn {

struct GameLogSource {
    // The log file, which need not exist yet; empty when the game keeps no log (g_log "").
    std::string path;
    // The folder the engine writes its own files to: the home folder's data or mod folder.
    std::string folder;
    // What the results call the installation: its id, or the base folder of a game folder.
    std::string installation;
    // Engines of the ioquake3 family keep "ioq3.pid" in `folder` while they run; others
    // (Quake3e) keep nothing, so a quiet log is their only sign of having ended.
    bool keepsPidFile = true;
    // Why there is no log, for the windows to say.
    std::string note;
    // The UDP port of the dedicated server `velkarn serve` runs on this log; 0 for a game
    // started on the desktop. A server's matches have no player at this computer.
    int serverPort = 0;
    // Whether the engine runs, when whoever reads the log runs it and so knows; otherwise
    // gameRunning looks.
    std::optional<bool> running;
};

// The g_log value the game's config files leave, in the order the engine reads them: first
// q3config.cfg (the dedicated server reads q3config_server.cfg instead, which Velkarn does not
// start), then autoexec.cfg, each the first one found in `folders` (the engine's search order,
// home before base); a later "set"/"seta g_log" wins. Nothing when none sets it. A value that
// leads out of the game's folder ("..", "/...") is not taken.
std::optional<std::string> configuredLogName(const std::vector<std::string>& folders);

// The log of an installation: g_log (games.log when no config file sets it) in the home
// folder's data folder, or in the mod's folder when the mod parameters set fs_game.
// Throws UserMessage when no game folder is set.
GameLogSource gameLogSource(const Installation& installation, const std::string& modParameters);

// The game that writes to `source` is running: as `source.running` says when it is known, else
// a pid file there names a live process, or, for an engine without pid files, the log changed
// less than QuietSeconds ago.
constexpr long long QuietSeconds = 120;
bool gameRunning(const GameLogSource& source, long long nowSeconds);

} // namespace velkarn
