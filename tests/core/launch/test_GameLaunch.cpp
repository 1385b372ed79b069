#include "core/launch/DemoLaunch.h"
#include "core/launch/GameLaunch.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "support/GameFolder.h"
#include "support/RotationFixtures.h"
#include "support/TempFolder.h"
#include "support/ThrownMessage.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;
namespace fs = std::filesystem;

namespace {

std::string inOutMessage(auto write) {
    try {
        write();
    } catch (const InOutError& e) {
        return e.what();
    }
    return "written";
}

} // namespace

TEST(GameParameters, PerPathAndMod) {
    const ModChoice none;
    const ModChoice mod{2, "+set fs_game cpma"};
    EXPECT_EQ(gameParameters(LaunchPath::LocalPlay, "", none), "+exec velkarn ");
    EXPECT_EQ(gameParameters(LaunchPath::Server, "+set dedicated 1", none),
              "+exec velkarn +set dedicated 1");
    EXPECT_EQ(gameParameters(LaunchPath::Join, "+set dedicated 1", none), "+exec velkarn");
    for (auto path : {LaunchPath::LocalPlay, LaunchPath::Join, LaunchPath::Server})
        EXPECT_EQ(gameParameters(path, "+extra", mod), "+set fs_game cpma +exec velkarn");
    EXPECT_EQ(gameParameters(LaunchPath::LocalPlay, "x", ModChoice{-1, "ignored"}),
              "+exec velkarn x");
}

TEST(WriteGameScript, WorkedExampleByteForByte) {
    GameFolder game;
    EXPECT_EQ(scriptPath(game.installation()), game.dir.path() + "baseq3/velkarn.cfg");
    const auto rotation = listOf<RotationEntry>(
        {rotationEntry("gorge1", Deathmatch, 20, 10, {RosterBot{"Vexor", 3, ""}}),
         rotationEntry("vault", TeamDeathmatch, 30, 15, {RosterBot{"Krag", 4, "Red"}})});
    writeLocalScript(game.installation(), PlayerSettings{"^1Ace", "brute", "default", 1, 0},
                     rotation, {"Krag", "Vexor"});
    EXPECT_EQ(game.script(),
              "name ^1Ace\r\n"
              "seta model brute/default\r\n"
              "cl_timenudge 0\r\n"
              "cl_autoRecordDemo 0\r\n"
              "sv_maxclients 16\r\n"
              "set m0 \"set g_gametype 0;set fraglimit 20;set timelimit 10;map gorge1;kick Krag;"
              "addbot Vexor 3;set nextmap vstr m1\"\r\n"
              "set m1 \"set g_gametype 3;set fraglimit 30;set timelimit 15;map vault;kick Vexor;"
              "addbot Krag 4 Red;set nextmap vstr m0\"\r\n"
              "vstr m0\r\n"
              "team Blue\r\n");
}

TEST(WriteGameScript, SecondWriteReplacesTheFirstEntirely) {
    GameFolder game;
    writeGameScript(game.installation(), Lines(50, "a long line from an earlier launch"));
    writeJoinScript(game.installation(), PlayerSettings{}, SavedServer{"s", "host", ""});
    EXPECT_EQ(game.script(), "name \r\nseta model /\r\npassword \r\nconnect host\r\n");
}

// A join or server script holds the password: others on the machine read neither the file nor
// the preview on the screen.
TEST(WriteGameScript, PasswordsStayWithTheOwner) {
    GameFolder game;
    writeGameScript(game.installation(), {"old"});
    fs::permissions(game.dir.file("baseq3/velkarn.cfg"), fs::perms(0644));
    writeJoinScript(game.installation(), PlayerSettings{}, SavedServer{"s", "host", "secret"});
    EXPECT_EQ(fs::status(game.dir.file("baseq3/velkarn.cfg")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    ServerOptions options;
    options.password = "secret";
    const auto rotation = listOf<ServerRotationEntry>({serverEntry("q3dm1", Deathmatch, 20, 10)});
    GameSettings settings;
    settings.installation = game.installation();
    const Lines shown =
        previewLaunch(settings, LaunchPath::Server, serverScriptLines(options, rotation)).script;
    EXPECT_NE(std::find(shown.begin(), shown.end(), "sv_privatePassword ********"), shown.end());
    EXPECT_EQ(joinLines(shown).find("secret"), std::string::npos);
}

TEST(WriteGameScript, MissingFoldersAreNamedAndWriteErrorsAreTheRunTimeOnes) {
    TempFolder noBaseq3;
    const std::string base = noBaseq3.path().substr(0, noBaseq3.path().size() - 1);
    EXPECT_EQ(thrownMessage([&] { writeGameScript(installationInFolder(base, {}), {"x"}); }),
              "The game folder " + base + " holds no data folder baseq3.");
    EXPECT_FALSE(folderExists(noBaseq3.file("baseq3"))); // not created either
    EXPECT_EQ(thrownMessage([&] {
                  writeGameScript(installationInFolder(noBaseq3.file("missing/"), {}), {"x"});
              }),
              "The game folder " + noBaseq3.file("missing") + " does not exist.");
    noBaseq3.write("file", "x");
    EXPECT_EQ(thrownMessage(
                  [&] { writeGameScript(installationInFolder(noBaseq3.file("file"), {}), {"x"}); }),
              "The game folder " + noBaseq3.file("file") + " is not a folder.");

    GameFolder game;
    game.dir.makeFolder("baseq3/velkarn.cfg"); // in the way of the script
    EXPECT_EQ(inOutMessage([&] { writeGameScript(game.installation(), {"x"}); }),
              "File access denied");
}

TEST(WriteGameScript, UnsafeValueLeavesTheOldScript) {
    GameFolder game;
    writeGameScript(game.installation(), {"old"});
    ServerOptions options;
    options.motd = "hi;rcon quit";
    EXPECT_THROW(writeServerScript(game.installation(), options, {}), UserMessage);
    EXPECT_EQ(game.script(), "old\r\n");
}

TEST(StartGame, RunsTheGameInItsFolderWithSplitParameters) {
    GameFolder game(true);
    ASSERT_TRUE(
        startGame(game.installation(), gameArguments(LaunchPath::LocalPlay, "",
                                                     ModChoice{1, "+set fs_game \"my mod\""})));
    const Lines run = game.run();
    ASSERT_EQ(run.size(), 6u);
    EXPECT_EQ(fs::canonical(run[0]), fs::canonical(game.dir.path()));
    EXPECT_EQ(Lines(run.begin() + 1, run.end()),
              (Lines{"+set", "fs_game", "my mod", "+exec", "velkarn"}));
}

TEST(WatchDemo, ADemoOfAProtocolTheEngineRefusesIsSaidBeforeTheGameStarts) {
    GameFolder game(true);
    Installation openArena = game.installation();
    openArena.kind = Installation::Kind::DebianOpenArena;
    EXPECT_EQ(thrownMessage([&] { watchDemo(openArena, "", "flyby.dm_70"); }),
              "The game cannot play flyby.dm_70: it plays demos of protocols 71, 67 and 66 only; "
              "this one was recorded with protocol 70, by another version of the game.");
    EXPECT_NE(thrownMessage([&] { watchDemo(openArena, "", "q3.dm_68"); }), "no error");
    EXPECT_FALSE(game.ran());
    Installation ioquake3 = openArena;
    ioquake3.kind = Installation::Kind::DebianIoquake3;
    EXPECT_EQ(demoProtocolProblem(ioquake3, "q3.dm_68"), "");
    // An engine in a folder may be any, so nothing is refused for it.
    EXPECT_TRUE(watchDemo(game.installation(), "", "q3.dm_68"));
    EXPECT_EQ(game.arguments(), (Lines{"+demo", "q3.dm_68"}));
}

TEST(StartGame, NoExecutableReportsFalse) {
    GameFolder game;
    EXPECT_FALSE(startGame(game.installation(), {"+exec", "velkarn"}));
}

TEST(Launch, PlayWritesThenStarts) {
    GameFolder game(true);
    const auto rotation = listOf<RotationEntry>({rotationEntry("q3dm17", Deathmatch, 20, 10)});
    EXPECT_TRUE(
        playLocal({game.installation(), "+set g_spskill 3", {}}, PlayerSettings{}, rotation, {}));
    EXPECT_NE(game.script().find("map q3dm17\r\n"), std::string::npos);
    const Lines run = game.run();
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(Lines(run.begin() + 1, run.end()),
              (Lines{"+exec", "velkarn", "+set", "g_spskill", "3"}));
}

TEST(Launch, ScriptFailureStartsNothing) {
    GameFolder game(true);
    fs::remove(game.dir.file("baseq3"));
    EXPECT_THROW(
        joinServer({game.installation(), "", {}}, PlayerSettings{}, SavedServer{"s", "h", ""}),
        UserMessage);
    game.dir.makeFolder("baseq3");
    PlayerSettings unsafe;
    unsafe.name = "me\";kill";
    EXPECT_THROW(playLocal({game.installation(), "", {}}, unsafe, {}, {}), UserMessage);
    EXPECT_FALSE(fileExists(scriptPath(game.installation())));
    // Both failed before the start, so the game never ran.
    EXPECT_FALSE(game.ran());
}
