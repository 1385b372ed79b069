#pragma once

#include "core/platform/TextFile.h"
#include "core/setup/SetupModel.h"
#include "core/setup/SetupRecords.h"

#include <cstddef>
#include <string>

// The lines of the console script the game executes at start: local play with its bot rotation,
// joining a server, or running a server with its own rotation. Lines carry no line ends; the
// file writer adds CR LF to each.
namespace velkarn {

struct PlayerSettings {
    std::string name; // with the game's "^" color codes
    std::string model, skin;
    int team = 0; // 0 "Choose at launch", 1 "Blue", 2 "Red"
    int simPing = 0;
    bool recordGames = false; // the engine records each local match as a demo
};

struct ServerOptions {
    int maxClients = 4;
    std::string hostName, motd, password;
    bool pure = false;
    int maxRate = 10000;
    int weaponRespawn = 5;
    bool allowVote = true;
    bool synchronous = false;
    // For the remote console; empty: none. The engine compares it with one word of a request,
    // so callers take it through requireRconPassword (core/network/RconText.h) first.
    std::string rconPassword;
    // The game's log (g_log) of a dedicated server, a file of its own, written line by line
    // (g_logsync); empty leaves the engine's own.
    std::string logName;
};

// The game's g_gametype value for a game type: Deathmatch 0, Tournament 1, Team Deathmatch 3,
// Capture The Flag 4. A game type outside 1..4 counts as Deathmatch here and in the limit and
// team choices of the script.
int gameTypeValue(int gameType);

// The game reads at most this many bytes of a script line; every line written fits.
constexpr std::size_t MaxScriptLineBytes = 1023;
// The game runs a script through its command buffer of 128 KiB, which also holds the rest of the
// command line; a script that does not fit is dropped whole ("Cbuf_InsertText overflowed").
constexpr std::size_t MaxScriptBytes = std::size_t{127} * 1024;

// Player lines, "sv_maxclients N" (room for the player and the largest roster, at least 16, at
// most 64), the rotation (one entry as plain commands with its bots, any other number as the
// chain of m variables with kick lists, then "vstr m0"), and the team line when a side was
// chosen. A chain step too long for one line goes on in variables m<i>_1, m<i>_2... Entries
// whose maps the catalogue lacks are left out, and so are bots that `bots` does not define;
// the others are written as the game defines their names, with their team only when it is Blue
// or Red. Throws UserMessage, naming the field, when a name, model, skin or map name that would
// be written is unsafe (see ScriptValues.h), when no entry is left to play, and when the script
// would not fit the game's command buffer (MaxScriptBytes); the same holds for the scripts
// below.
Lines localScriptLines(const PlayerSettings& player, const Rotation& rotation,
                       const DefinedBots& bots);

// What the desktop game cannot do with `rotation`: the game restarts a Tournament map rather
// than going on, so a rotation of more than one entry to play stops at its first Tournament
// entry. Says so, naming that entry; empty when nothing is lost.
std::string tournamentStopNote(const Rotation& rotation);

// Player lines, the team line when a side was chosen, "password ..." (also when empty) and
// "connect ...". Throws UserMessage for unsafe player values, password or address.
Lines joinScriptLines(const PlayerSettings& player, const SavedServer& server);

// The server option lines ("set rconpassword ..." too when there is one, "set g_log ..." and
// "set g_logsync 1" when it has a log name), then the rotation as for local play without bots
// or kicks. Throws UserMessage for an unsafe host name, message,
// password or map name.
Lines serverScriptLines(const ServerOptions& options, const ServerRotation& rotation);

// A dedicated server of a local-play rotation: the server option lines, with sv_maxclients
// making room for the clients and every bot of the largest roster (at most 64), then the
// rotation with its bots and kick lists exactly as local play writes it. Throws UserMessage as
// serverScriptLines and localScriptLines do.
Lines dedicatedScriptLines(const ServerOptions& options, const Rotation& rotation,
                           const DefinedBots& bots);

} // namespace velkarn
