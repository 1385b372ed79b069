#include "core/launch/GameScript.h"
#include "core/platform/Errors.h"
#include "core/setup/ScriptValues.h"
#include "support/RotationFixtures.h"
#include "support/ThrownMessage.h"

#include <gtest/gtest.h>
#include <map>

using namespace velkarn;
using namespace velkarn::test;

namespace {

PlayerSettings ace() {
    return {"^1Ace", "brute", "default", 1, 0};
}

const RosterBot Vexor{"Vexor", 3, ""};
const RosterBot KragRed{"Krag", 4, "Red"};

// What the game runs for `vstr <variable>`: the variable's commands, with those of any variable
// named by a "vstr" command in their place, as the game's command buffer does.
Lines runVariable(const Lines& script, const std::string& variable) {
    std::map<std::string, std::string> values;
    for (const std::string& line : script)
        if (line.starts_with("set ") && line.ends_with("\"")) {
            const std::size_t quote = line.find(" \"");
            values[line.substr(4, quote - 4)] = line.substr(quote + 2, line.size() - quote - 3);
        }
    Lines commands;
    std::string text = values.at(variable) + ";";
    for (std::size_t start = 0, end; (end = text.find(';', start)) != std::string::npos;
         start = end + 1) {
        const std::string command = text.substr(start, end - start);
        if (command.starts_with("vstr ")) {
            const Lines more = runVariable(script, command.substr(5));
            commands.insert(commands.end(), more.begin(), more.end());
        } else {
            commands.push_back(command);
        }
    }
    return commands;
}

bool allLinesFit(const Lines& lines) {
    return std::all_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return line.size() <= MaxScriptLineBytes; });
}

// The game defines every bot these rotations name.
DefinedBots botsOf(const Rotation& rotation) {
    DefinedBots bots;
    for (const auto& entry : rotation)
        for (const RosterBot& b : entry->bots)
            if (!b.name.empty())
                bots.push_back(b.name);
    return bots;
}

Lines localLines(const PlayerSettings& player, const Rotation& rotation) {
    return localScriptLines(player, rotation, botsOf(rotation));
}

Lines dedicatedLines(const ServerOptions& options, const Rotation& rotation) {
    return dedicatedScriptLines(options, rotation, botsOf(rotation));
}

std::vector<RosterBot> roster(std::size_t count, std::size_t nameLength, const std::string& team) {
    std::vector<RosterBot> bots;
    for (std::size_t i = 0; i < count; ++i)
        bots.push_back({std::string(nameLength - 2, 'b') + std::to_string(10 + i), 5, team});
    return bots;
}

} // namespace

TEST(LocalScript, WorkedExampleTwoEntries) {
    const auto rotation =
        listOf<RotationEntry>({rotationEntry("gorge1", Deathmatch, 20, 10, {Vexor}),
                               rotationEntry("vault", TeamDeathmatch, 30, 15, {KragRed})});
    const Lines expected = {
        "name ^1Ace",
        "seta model brute/default",
        "cl_timenudge 0",
        "cl_autoRecordDemo 0",
        "sv_maxclients 16",
        "set m0 \"set g_gametype 0;set fraglimit 20;set timelimit 10;map gorge1;kick Krag;"
        "addbot Vexor 3;set nextmap vstr m1\"",
        "set m1 \"set g_gametype 3;set fraglimit 30;set timelimit 15;map vault;kick Vexor;"
        "addbot Krag 4 Red;set nextmap vstr m0\"",
        "vstr m0",
        "team Blue",
    };
    EXPECT_EQ(localLines(ace(), rotation), expected);
}

TEST(LocalScript, OneEntryIsPlainCommandsWithBotsAfterTheMap) {
    // A stored team is not written outside team games.
    const RosterBot bones{"Bones", 5, "Blue"};
    const auto rotation =
        listOf<RotationEntry>({rotationEntry("q3tourney2", Tournament, 10, 0, {Vexor, bones})});
    PlayerSettings player{"", "", "", 0, 250, true}; // recording, as the engine is then told
    const Lines expected = {
        "name ",
        "seta model /",
        "cl_timenudge 250",
        "cl_autoRecordDemo 1",
        "sv_maxclients 16",
        "set g_gametype 1",
        "set fraglimit 10",
        "set timelimit 0",
        "map q3tourney2",
        "addbot Vexor 3",
        "addbot Bones 5",
    };
    EXPECT_EQ(localLines(player, rotation), expected);
}

TEST(LocalScript, CaptureTheFlagSetsCaptureLimitAndTeams) {
    const auto rotation =
        listOf<RotationEntry>({rotationEntry("q3ctf1", CaptureTheFlag, 8, 20, {KragRed})});
    const Lines lines = localLines(ace(), rotation);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[5], "set g_gametype 4");
    EXPECT_EQ(lines[6], "set capturelimit 8");
    EXPECT_EQ(lines[9], "addbot Krag 4 Red");
    EXPECT_EQ(lines[10], "team Blue");
}

// A script without a map would leave the game idle at its menu while Velkarn says it played.
TEST(LocalScript, RotationWithNothingToPlayIsRefusedAndUncataloguedEntriesAreLeftOut) {
    const std::string nothing = "The rotation holds no map to play!";
    RotationEntry gone = rotationEntry("gone", Deathmatch, 0, 0);
    gone.mapFileIndex = -1;
    EXPECT_EQ(thrownMessage([] { localLines(ace(), Rotation{}); }), nothing);
    EXPECT_EQ(thrownMessage([&] { localLines(ace(), listOf<RotationEntry>({gone})); }), nothing);
    EXPECT_EQ(thrownMessage([] { serverScriptLines(ServerOptions{}, ServerRotation{}); }), nothing);
    const Lines one = localLines(ace(), listOf<RotationEntry>({gone, rotationEntry("a", 1, 0, 0)}));
    EXPECT_EQ(Lines(one.begin() + 5, one.begin() + 9),
              (Lines{"set g_gametype 0", "set fraglimit 0", "set timelimit 0", "map a"}));
}

TEST(LocalScript, KickListsWrapAndSkipEntriesWithoutBots) {
    const RosterBot a{"Anarki", 1, ""}, b{"Bitterman", 2, ""}, c{"Crash", 3, ""};
    const auto rotation = listOf<RotationEntry>({rotationEntry("m0map", Deathmatch, 0, 20, {a, b}),
                                                 rotationEntry("m1map", Deathmatch, 0, 20),
                                                 rotationEntry("m2map", Deathmatch, 0, 20, {c})});
    const Lines lines = localLines(PlayerSettings{}, rotation);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[5], "set m0 \"set g_gametype 0;set fraglimit 0;set timelimit 20;map m0map;"
                        "kick Crash;addbot Anarki 1;addbot Bitterman 2;set nextmap vstr m1\"");
    EXPECT_EQ(lines[6], "set m1 \"set g_gametype 0;set fraglimit 0;set timelimit 20;map m1map;"
                        "kick Anarki;kick Bitterman;set nextmap vstr m2\"");
    EXPECT_EQ(lines[7], "set m2 \"set g_gametype 0;set fraglimit 0;set timelimit 20;map m2map;"
                        "addbot Crash 3;set nextmap vstr m0\"");
    EXPECT_EQ(lines[8], "vstr m0");
}

TEST(LocalScript, DamagedRosterCountReadsOnlyTheRoster) {
    RotationEntry entry = rotationEntry("x", Deathmatch, 0, 0);
    entry.botCount = 200;
    for (auto& b : entry.bots)
        b = Vexor;
    const Lines lines = localLines(PlayerSettings{}, listOf<RotationEntry>({entry}));
    EXPECT_EQ(lines.size(), 9u + MaxRosterSlots);
}

TEST(JoinScript, PasswordLineAlwaysPrecedesConnect) {
    PlayerSettings player = ace();
    player.team = 0;
    const Lines lines = joinScriptLines(player, SavedServer{"Home", "127.0.0.1:27962", ""});
    const Lines expected = {"name ^1Ace", "seta model brute/default", "password ",
                            "connect 127.0.0.1:27962"};
    EXPECT_EQ(lines, expected);
    const Lines withTeam = joinScriptLines(ace(), SavedServer{"Home", "host", "secret"});
    const Lines expectedWithTeam = {"name ^1Ace", "seta model brute/default", "team Blue",
                                    "password secret", "connect host"};
    EXPECT_EQ(withTeam, expectedWithTeam);
}

TEST(ServerScript, OptionsThenRotationWithoutBots) {
    ServerOptions options;
    options.hostName = "My Server";
    options.motd = "Welcome";
    const Lines header = {"sv_maxclients 4",
                          "sv_hostname My Server",
                          "g_motd Welcome",
                          "sv_privateClients 0",
                          "sv_pure 0",
                          "sv_maxrate 10000",
                          "g_weaponrespawn 5",
                          "g_allowvote 1",
                          "g_syncronousclients 0"};

    Lines one = header;
    for (const char* line :
         {"set g_gametype 4", "set capturelimit 8", "set timelimit 20", "map q3ctf1"})
        one.push_back(line);
    EXPECT_EQ(
        serverScriptLines(options, listOf<ServerRotationEntry>({serverEntry("q3ctf1", 4, 8, 20)})),
        one);

    options = ServerOptions{16, "", "", "pw", true, 25000, 0, false, true, "", ""};
    const Lines many = serverScriptLines(
        options,
        listOf<ServerRotationEntry>({serverEntry("a", 1, 5, 10), serverEntry("b", 2, 0, 0)}));
    const Lines expected = {
        "sv_maxclients 16",
        "sv_hostname ",
        "g_motd ",
        "sv_privateClients 1",
        "sv_privatePassword pw",
        "sv_pure 1",
        "sv_maxrate 25000",
        "g_weaponrespawn 0",
        "g_allowvote 0",
        "g_syncronousclients 1",
        "set m0 \"set g_gametype 0;set fraglimit 5;set timelimit 10;map a;set nextmap vstr m1\"",
        "set m1 \"set g_gametype 1;set fraglimit 0;set timelimit 0;map b;set nextmap vstr m0\"",
        "vstr m0",
    };
    EXPECT_EQ(many, expected);
}

// A dedicated server plays the local rotation as it stands, bots and kicks included, with a slot
// for every client and every bot of the largest roster.
TEST(ServerScript, DedicatedServerRunsTheLocalRotationWithItsBots) {
    ServerOptions options;
    options.maxClients = 8;
    options.rconPassword = "s3cret";
    const Rotation rotation = listOf<RotationEntry>(
        {rotationEntry("gorge1", 1, 20, 10, {Vexor, RosterBot{"Anarki", 2, ""}}),
         rotationEntry("vault", 3, 30, 15, {KragRed})});
    const Lines lines = dedicatedLines(options, rotation);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "sv_maxclients 10");
    EXPECT_EQ(lines[9], "set rconpassword s3cret");
    const Lines local = localLines(PlayerSettings{}, rotation);
    EXPECT_EQ(Lines(lines.begin() + 10, lines.end()), Lines(local.begin() + 5, local.end()));

    options.maxClients = 63; // no engine has more than 64 slots
    EXPECT_EQ(dedicatedLines(options, rotation)[0], "sv_maxclients 64");
    options.rconPassword = "a;quit";
    EXPECT_THROW(dedicatedLines(options, rotation), UserMessage);
}

// Every value a script carries passes the one console rule (whose every refusal
// test_ConsoleRule tries); the message names the field as the script knows it.
TEST(ScriptValues, EachScriptNamesTheFieldItRefuses) {
    const std::string comment = " must not contain \"/*\", which starts a comment in the game's "
                                "console!";
    PlayerSettings player = ace();
    const auto one = listOf<RotationEntry>({rotationEntry("a", 1, 0, 0)});
    const auto local = [&](const Rotation& rotation) {
        return thrownMessage([&] { localLines(player, rotation); });
    };
    player.name = "Ann/*x*/echo hello";
    EXPECT_EQ(local(one), "The player name \"Ann/*x*/echo hello\"" + comment);
    player.name = "^1A^7ce /x* a/b"; // codes and lone marks are fine
    EXPECT_EQ(local(one), "no error");

    // A skin from an archive's "head_*x.skin" would make a comment of the model setting.
    player = ace();
    player.skin = "*x";
    EXPECT_EQ(local(one), "The player model and skin \"brute/*x\"" + comment);
    player = ace();
    EXPECT_EQ(
        local(listOf<RotationEntry>({rotationEntry("a/*", 1, 0, 0), rotationEntry("b", 1, 0, 0)})),
        "The map name \"a/*\"" + comment);

    EXPECT_EQ(thrownMessage([&] {
                  joinScriptLines(ace(), SavedServer{"n", "h /*x", ""});
              }),
              "The server address \"h /*x\"" + comment);
    EXPECT_EQ(thrownMessage([&] {
                  joinScriptLines(ace(), SavedServer{"n;ok", "h", "p//"});
              }),
              "The server password must not contain \"//\", which starts a comment in "
              "the game's console!");
    ServerOptions options;
    options.hostName = "a\\b";
    const auto served = listOf<ServerRotationEntry>({serverEntry("m", 1, 0, 0)});
    EXPECT_EQ(thrownMessage([&] { serverScriptLines(options, served); }),
              "The host name \"a\\b\" must not contain a backslash, which the game's info "
              "strings refuse!");
    options = ServerOptions{};
    options.motd = "Caf\xc3\xa9";
    EXPECT_EQ(thrownMessage([&] { serverScriptLines(options, served); }),
              "The message \"Caf\xc3\xa9\" must not contain a character outside plain ASCII, "
              "which the game's console splits words at!");
}

// The engine restarts a Tournament map for ever; only serve can hand it over.
TEST(LocalScript, ATournamentAmongOtherEntriesIsSaidToStopTheRotation) {
    auto rotation = listOf<RotationEntry>({rotationEntry("a", Deathmatch, 0, 0),
                                           rotationEntry("duel", Tournament, 0, 0),
                                           rotationEntry("b", Deathmatch, 0, 0)});
    EXPECT_EQ(tournamentStopNote(rotation),
              "Entry 2 (duel) is a Tournament: the game plays a Tournament map again and again "
              "rather than going on, so the rotation stops there. velkarn serve hands it over to "
              "the next entry.");
    rotation[0]->mapFileIndex = rotation[2]->mapFileIndex = -1; // not played
    EXPECT_EQ(tournamentStopNote(rotation), "");
    EXPECT_EQ(tournamentStopNote(listOf<RotationEntry>(
                  {rotationEntry("a", Deathmatch, 0, 0), rotationEntry("b", Deathmatch, 0, 0)})),
              "");
}

// The game's command buffer holds 128 KiB; a larger script is dropped whole by the game.
TEST(LocalScript, ScriptLargerThanTheCommandBufferIsRefusedWithItsSize) {
    Rotation rotation;
    for (int i = 0; i < 200; ++i)
        rotation.push_back(std::make_unique<RotationEntry>(rotationEntry(
            "map" + std::to_string(i), TeamDeathmatch, 0, 0, roster(32, 20, "Blue"))));
    const std::string message = thrownMessage([&] { localLines(ace(), rotation); });
    EXPECT_TRUE(message.starts_with("The game script would take ")) << message;
    EXPECT_TRUE(message.ends_with(" bytes, more than the 130048 the game can run at once!"));
    rotation.resize(20);
    EXPECT_LE(joinLines(localLines(ace(), rotation)).size(), MaxScriptBytes);
}

// Entry 0's step would be one line of `length` bytes; entry 1 has no bots, so entry 0 kicks none.
TEST(LocalScript, StepLongerThanTheGameReadsGoesOnInAContinuation) {
    const std::vector<RosterBot> bots(6, RosterBot{std::string(100, 'b'), 1, ""});
    const auto build = [&](const std::string& map) {
        return listOf<RotationEntry>(
            {rotationEntry(map, Deathmatch, 0, 0, bots), rotationEntry("z", Deathmatch, 0, 0)});
    };
    const std::size_t shortLength = localLines(PlayerSettings{}, build("a"))[5].size();
    for (const std::size_t length : {1022u, 1023u, 1024u}) {
        const std::string map(length - shortLength + 1, 'a');
        const Lines lines = localLines(PlayerSettings{}, build(map));
        EXPECT_TRUE(allLinesFit(lines));
        Lines expected = {"set g_gametype 0", "set fraglimit 0", "set timelimit 0", "map " + map};
        expected.insert(expected.end(), 6, "addbot " + bots[0].name + " 1");
        expected.push_back("set nextmap vstr m1");
        EXPECT_EQ(runVariable(lines, "m0"), expected) << length;
        if (length <= MaxScriptLineBytes) {
            EXPECT_EQ(lines[5].size(), length);
            EXPECT_TRUE(lines[6].starts_with("set m1 \""));
        } else {
            EXPECT_TRUE(lines[5].ends_with(";vstr m0_1\""));
            EXPECT_EQ(lines[6], "set m0_1 \"set nextmap vstr m1\"");
            EXPECT_EQ(lines.back(), "vstr m0");
        }
    }
}

TEST(LocalScript, FullRostersOfLongNamesFitInEveryGameType) {
    for (int gameType = Deathmatch; gameType <= CaptureTheFlag; ++gameType) {
        const auto blue = roster(MaxRosterSlots, 40, "Blue"),
                   red = roster(MaxRosterSlots, 40, "Red");
        const auto rotation = listOf<RotationEntry>({rotationEntry("q3dm17", gameType, 5, 1, blue),
                                                     rotationEntry("q3dm7", gameType, 5, 1, red)});
        const Lines lines = localLines(ace(), rotation);
        EXPECT_TRUE(allLinesFit(lines)) << gameType;
        EXPECT_EQ(lines[4], "sv_maxclients 33");
        EXPECT_EQ(lines[lines.size() - 2], "vstr m0");

        const bool teams = isTeamGame(gameType);
        Lines expected = {"set g_gametype " + std::to_string(gameTypeValue(gameType)),
                          gameType == CaptureTheFlag ? "set capturelimit 5" : "set fraglimit 5",
                          "set timelimit 1", "map q3dm7"};
        for (const RosterBot& b : blue)
            expected.push_back("kick " + b.name);
        for (const RosterBot& b : red)
            expected.push_back("addbot " + b.name + " 5" + (teams ? " Red" : ""));
        expected.push_back("set nextmap vstr m0");
        EXPECT_EQ(runVariable(lines, "m1"), expected) << gameType;
    }
}

TEST(LocalScript, MaxClientsMakesRoomForTheLargestRosterAndThePlayer) {
    for (const auto& [bots, expected] : {std::pair{std::size_t{0}, "sv_maxclients 16"},
                                         {15, "sv_maxclients 16"},
                                         {16, "sv_maxclients 17"},
                                         {32, "sv_maxclients 33"}}) {
        const auto rotation =
            listOf<RotationEntry>({rotationEntry("a", Deathmatch, 0, 0, roster(bots, 8, "")),
                                   rotationEntry("b", Deathmatch, 0, 0, roster(bots / 2, 8, ""))});
        EXPECT_EQ(localLines(ace(), rotation)[4], expected);
    }
}

TEST(ServerScript, LongHostNameAndMessageFitOrAreRefused) {
    ServerOptions options;
    options.hostName = std::string(MaxScriptValueBytes, 'h');
    options.motd = std::string(MaxScriptValueBytes, 'w');
    const auto rotation = listOf<ServerRotationEntry>(
        {serverEntry(std::string(MaxScriptValueBytes, 'm'), 4, 8, 20), serverEntry("b", 1, 0, 0)});
    EXPECT_TRUE(allLinesFit(serverScriptLines(options, rotation)));
    options.motd += "w";
    try {
        serverScriptLines(options, rotation);
        ADD_FAILURE() << "a message too long for the console was written";
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "The message must not be longer than 480 bytes!");
    }
}
