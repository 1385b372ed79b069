#include "core/launch/GameScript.h"

#include "core/platform/Errors.h"
#include "core/platform/NoCase.h"
#include "core/platform/PrintableText.h"
#include "core/setup/ScriptValues.h"

#include <algorithm>
#include <span>
#include <stdexcept>

namespace velkarn {

namespace {

// What the script needs of a rotation entry: its bots as the game defines them (server
// entries have none).
struct ScriptEntry {
    int gameType = 0;
    int limit = 0;
    int timeLimit = 0;
    std::string name;
    std::vector<RosterBot> bots;
};

int knownGameType(int gameType) {
    return gameType >= Deathmatch && gameType <= CaptureTheFlag ? gameType : Deathmatch;
}

// A damaged botCount must not read past the roster.
std::span<const RosterBot> rosterOf(const RotationEntry& entry) {
    return std::span<const RosterBot>(entry.bots.data(),
                                      std::min<std::size_t>(entry.botCount, entry.bots.size()));
}

// Only a team the game knows is passed on; any other leaves the choice to the game, as "None"
// and an empty team do.
std::string knownTeam(const std::string& team) {
    for (const std::string& known : teamTexts())
        if (equalsNoCase(team, known))
            return known;
    return {};
}

// A script adds and kicks only bots the game defines, under the names it defines them by: a
// kick of any other name could mean another player, or all of them.
ScriptEntry scriptEntry(const RotationEntry& entry, const DefinedBots& defined) {
    ScriptEntry result{entry.gameType, entry.fragLimit, entry.timeLimit, entry.name, {}};
    for (const RosterBot& b : rosterOf(entry))
        if (const std::string* name = definedBotName(defined, b.name))
            result.bots.push_back({*name, b.skill, knownTeam(b.team)});
    return result;
}

ScriptEntry scriptEntry(const ServerRotationEntry& entry, const DefinedBots&) {
    return {entry.gameType, entry.fragLimit, entry.timeLimit, entry.name, {}};
}

std::string limitCommand(const ScriptEntry& entry) {
    return (knownGameType(entry.gameType) == CaptureTheFlag ? "set capturelimit "
                                                            : "set fraglimit ") +
           std::to_string(entry.limit);
}

// "name skill", with " team" in team games when the bot has one.
std::string addbotArguments(const ScriptEntry& entry, const RosterBot& b) {
    std::string text = b.name + " " + std::to_string(b.skill);
    if (isTeamGame(knownGameType(entry.gameType)) && !b.team.empty())
        text += " " + b.team;
    return text;
}

void appendSingleMap(Lines& lines, const ScriptEntry& entry) {
    requireSafeScriptValue(entry.name, "map name", ScriptValueKind::Word);
    lines.push_back("set g_gametype " + std::to_string(gameTypeValue(entry.gameType)));
    lines.push_back(limitCommand(entry));
    lines.push_back("set timelimit " + std::to_string(entry.timeLimit));
    lines.push_back("map " + entry.name);
    for (const RosterBot& b : entry.bots)
        lines.push_back("addbot " + addbotArguments(entry, b));
}

// One variable per line. The game reads at most MaxScriptLineBytes of a line and runs the rest
// as commands of their own, so commands that do not fit end with "vstr" of a continuation
// variable holding the rest; the game runs a variable's text command by command, so the same
// commands run in the same order. Commands fit a line each, as script values are bounded.
void appendVariable(Lines& lines, const std::string& name, const Lines& commands) {
    std::string variable = name;
    std::size_t next = 0;
    for (int part = 1;; ++part) {
        std::string line = "set " + variable + " \"";
        std::string rest;
        for (std::size_t i = next; i < commands.size(); ++i)
            rest += (i > next ? ";" : "") + commands[i];
        if (line.size() + rest.size() + 1 <= MaxScriptLineBytes) {
            lines.push_back(line + rest + "\"");
            return;
        }
        const std::string continuation = name + "_" + std::to_string(part);
        const std::string tail = "vstr " + continuation + "\"";
        const std::size_t first = next;
        while (next < commands.size() &&
               line.size() + commands[next].size() + 1 + tail.size() <= MaxScriptLineBytes)
            line += commands[next++] + ";";
        if (next == first)
            throw std::logic_error("a script command is longer than a line: " + commands[next]);
        lines.push_back(line + tail);
        variable = continuation;
    }
}

// Each m variable kicks the bots of the entry before it (entry 0 those of the last entry) and
// adds its own, then points nextmap at the following variable, the last back at m0.
void appendRotationChain(Lines& lines, const std::vector<ScriptEntry>& entries) {
    const std::size_t n = entries.size();
    for (std::size_t i = 0; i < n; ++i) {
        const ScriptEntry& entry = entries[i];
        const ScriptEntry& previous = entries[(i + n - 1) % n];
        requireSafeScriptValue(entry.name, "map name", ScriptValueKind::Word);
        Lines commands = {"set g_gametype " + std::to_string(gameTypeValue(entry.gameType)),
                          limitCommand(entry), "set timelimit " + std::to_string(entry.timeLimit),
                          "map " + entry.name};
        for (const RosterBot& b : previous.bots)
            commands.push_back("kick " + b.name);
        for (const RosterBot& b : entry.bots)
            commands.push_back("addbot " + addbotArguments(entry, b));
        commands.push_back("set nextmap vstr m" + std::to_string(i + 1 < n ? i + 1 : 0));
        appendVariable(lines, "m" + std::to_string(i), commands);
    }
    lines.push_back("vstr m0");
}

// A script without a map would start the game idle at its menu, and "vstr m0" of an empty
// chain names no variable: nothing to play is said instead.
void appendRotation(Lines& lines, const std::vector<ScriptEntry>& entries) {
    if (entries.empty())
        throw UserMessage("The rotation holds no map to play!");
    if (entries.size() == 1)
        appendSingleMap(lines, entries.front());
    else
        appendRotationChain(lines, entries);
}

// Entries whose maps the catalogue lacks stay in the setup but are not played.
template <typename Entry>
std::vector<ScriptEntry> scriptEntries(const RecordList<Entry>& rotation,
                                       const DefinedBots& defined = {}) {
    std::vector<ScriptEntry> entries;
    entries.reserve(rotation.size());
    for (const auto& entry : rotation)
        if (hasCataloguedMap(*entry))
            entries.push_back(scriptEntry(*entry, defined));
    return entries;
}

// The engine has at most this many client slots (MAX_CLIENTS).
constexpr int MaxClientSlots = 64;

int largestRoster(const Rotation& rotation) {
    std::size_t largest = 0;
    for (const auto& entry : rotation)
        largest = std::max(largest, rosterOf(*entry).size());
    return static_cast<int>(largest);
}

// The player and every bot present at once need a slot each.
int maxClientsFor(const Rotation& rotation) {
    return std::clamp(largestRoster(rotation) + 1, 16, MaxClientSlots);
}

void appendPlayer(Lines& lines, const PlayerSettings& player) {
    requireSafeScriptValue(player.name, "player name");
    const std::string model = playerModelValue(player.model, player.skin);
    lines.push_back("name " + player.name);
    lines.push_back("seta model " + model);
}

// Only a chosen side gives a line; "Choose at launch" lets the player pick in the game.
void appendTeam(Lines& lines, const PlayerSettings& player) {
    if (player.team == 1 || player.team == 2)
        lines.push_back("team " + teamTexts()[static_cast<std::size_t>(player.team - 1)]);
}

std::string flag(bool on) {
    return on ? "1" : "0";
}

Lines requireFits(Lines lines) {
    const std::size_t bytes = joinLines(lines).size();
    if (bytes > MaxScriptBytes)
        throw UserMessage("The game script would take " + std::to_string(bytes) +
                          " bytes, more than the " + std::to_string(MaxScriptBytes) +
                          " the game can run at once!");
    return lines;
}

} // namespace

int gameTypeValue(int gameType) {
    switch (knownGameType(gameType)) {
    case Tournament:
        return 1;
    case TeamDeathmatch:
        return 3;
    case CaptureTheFlag:
        return 4;
    default:
        return 0;
    }
}

Lines localScriptLines(const PlayerSettings& player, const Rotation& rotation,
                       const DefinedBots& bots) {
    Lines lines;
    appendPlayer(lines, player);
    lines.push_back("cl_timenudge " + std::to_string(player.simPing));
    // Said either way: the engine keeps the value in its own configuration, so a game recorded
    // once would otherwise go on recording after the player turned it off.
    lines.push_back(std::string("cl_autoRecordDemo ") + (player.recordGames ? "1" : "0"));
    lines.push_back("sv_maxclients " + std::to_string(maxClientsFor(rotation)));
    appendRotation(lines, scriptEntries(rotation, bots));
    appendTeam(lines, player);
    return requireFits(std::move(lines));
}

std::string tournamentStopNote(const Rotation& rotation) {
    const auto played = std::count_if(rotation.begin(), rotation.end(),
                                      [](const auto& entry) { return hasCataloguedMap(*entry); });
    if (played < 2)
        return {};
    for (std::size_t i = 0; i < rotation.size(); ++i) {
        const RotationEntry& entry = *rotation[i];
        if (hasCataloguedMap(entry) && entry.gameType == Tournament)
            return "Entry " + std::to_string(i + 1) + " (" + printableText(entry.name) +
                   ") is a Tournament: the game plays a Tournament map again and again rather "
                   "than going on, so the rotation stops there. velkarn serve hands it over to "
                   "the next entry.";
    }
    return {};
}

Lines joinScriptLines(const PlayerSettings& player, const SavedServer& server) {
    requireSafeScriptValue(server.password, "server password", ScriptValueKind::Secret);
    requireSafeScriptValue(server.address, "server address", ScriptValueKind::Word);
    Lines lines;
    appendPlayer(lines, player);
    appendTeam(lines, player);
    lines.push_back("password " + server.password);
    lines.push_back("connect " + server.address);
    return requireFits(std::move(lines));
}

namespace {

void appendServerOptions(Lines& lines, const ServerOptions& options, int maxClients) {
    requireSafeScriptValue(options.hostName, "host name");
    requireSafeScriptValue(options.motd, "message");
    requireSafeScriptValue(options.password, "server password", ScriptValueKind::Secret);
    // The one console rule, as a word; the message leaves the password out of any log.
    if (!isSafeScriptValue(options.rconPassword, ScriptValueKind::ConsoleWord))
        throw UserMessage("The remote console password must be one word of printable ASCII "
                          "characters that the server script can carry!");
    lines.push_back("sv_maxclients " + std::to_string(maxClients));
    lines.push_back("sv_hostname " + options.hostName);
    lines.push_back("g_motd " + options.motd);
    if (options.password.empty()) {
        lines.push_back("sv_privateClients 0");
    } else {
        lines.push_back("sv_privateClients 1");
        lines.push_back("sv_privatePassword " + options.password);
    }
    lines.push_back("sv_pure " + flag(options.pure));
    lines.push_back("sv_maxrate " + std::to_string(options.maxRate));
    lines.push_back("g_weaponrespawn " + std::to_string(options.weaponRespawn));
    lines.push_back("g_allowvote " + flag(options.allowVote));
    lines.push_back("g_syncronousclients " + flag(options.synchronous));
    // The server's variable is "rconpassword"; "rcon_password" is the client's own.
    if (!options.rconPassword.empty())
        lines.push_back("set rconpassword " + options.rconPassword);
    if (!options.logName.empty()) {
        requireSafeScriptValue(options.logName, "log name", ScriptValueKind::Word);
        lines.push_back("set g_log " + options.logName);
        lines.push_back("set g_logsync 1");
    }
}

} // namespace

Lines serverScriptLines(const ServerOptions& options, const ServerRotation& rotation) {
    Lines lines;
    appendServerOptions(lines, options, options.maxClients);
    appendRotation(lines, scriptEntries(rotation));
    return requireFits(std::move(lines));
}

Lines dedicatedScriptLines(const ServerOptions& options, const Rotation& rotation,
                           const DefinedBots& bots) {
    Lines lines;
    appendServerOptions(lines, options,
                        std::min(options.maxClients + largestRoster(rotation), MaxClientSlots));
    appendRotation(lines, scriptEntries(rotation, bots));
    return requireFits(std::move(lines));
}

} // namespace velkarn
