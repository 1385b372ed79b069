#include "cli/PlayCommand.h"
#include "support/GameFolder.h"
#include "support/MapRecords.h"
#include "support/TempFolder.h"
#include "support/TestLayout.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// An appDir with a catalogue, models, mods and a setup "duel" of two maps.
struct PlayCommandTest : ::testing::Test {
    TempFolder app;
    GameFolder game{true};
    std::ostringstream out, err;

    void SetUp() override {
        app.write("path.txt", game.path() + "\r\n+set r_mode 4\r\n");
        app.write("maps.txt", mapRecord("gorge1.bsp", "Gorge", 0, true, false, false, false) +
                                  mapRecord("vault.bsp", "Vault", 2, true, false, true, false));
        app.write("bots.txt", "Krag\r\nVexor\r\n");
        app.write("models.txt", "brute\r\n default\r\n red\r\nEND\r\nanvil\r\n blue\r\nEND\r\n");
        app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pure 0\r\n");
        app.write("configs/duel.vkn", "2\r\ngorge1\r\n 1\r\n 20\r\n 10\r\n 1\r\n  Vexor\r\n"
                                      "   3\r\n   \r\nvault\r\n 3\r\n 30\r\n 15\r\n 1\r\n  Krag\r\n"
                                      "   4\r\n   Red\r\n^1Ace\r\nBRUTE\r\nred\r\n0\r\n[none]\r\n");
    }
    int play(const std::string& name, PlayMode mode) {
        return runPlayCommand(app.path(), name, mode, out, err, testLayout(app));
    }
};

} // namespace

TEST_F(PlayCommandTest, NoStartWritesTheScriptAndPrintsTheParameters) {
    EXPECT_EQ(play("duel", PlayMode::NoStart), 0) << err.str();
    EXPECT_EQ(out.str(), "+exec velkarn +set r_mode 4\n");
    // "BRUTE" is no model name: the first of the sorted list (anvil) and its first skin.
    EXPECT_EQ(game.script(),
              "name ^1Ace\r\nseta model anvil/blue\r\ncl_timenudge 0\r\ncl_autoRecordDemo "
              "0\r\nsv_maxclients 16\r\n"
              "set m0 \"set g_gametype 0;set fraglimit 20;set timelimit 10;map gorge1;kick Krag;"
              "addbot Vexor 3;set nextmap vstr m1\"\r\n"
              "set m1 \"set g_gametype 3;set fraglimit 30;set timelimit 15;map vault;kick Vexor;"
              "addbot Krag 4 Red;set nextmap vstr m0\"\r\nvstr m0\r\n");
    EXPECT_FALSE(game.ran()) << "nothing is started";
}

TEST_F(PlayCommandTest, PrintShowsTheScriptAndParametersAndWritesNothing) {
    EXPECT_EQ(play("duel", PlayMode::Print), 0) << err.str();
    EXPECT_EQ(
        out.str(),
        "name ^1Ace\nseta model anvil/blue\ncl_timenudge 0\ncl_autoRecordDemo 0\nsv_maxclients 16\n"
        "set m0 \"set g_gametype 0;set fraglimit 20;set timelimit 10;map gorge1;kick Krag;"
        "addbot Vexor 3;set nextmap vstr m1\"\n"
        "set m1 \"set g_gametype 3;set fraglimit 30;set timelimit 15;map vault;kick Vexor;"
        "addbot Krag 4 Red;set nextmap vstr m0\"\nvstr m0\n+exec velkarn +set r_mode 4\n");
    EXPECT_FALSE(game.scriptWritten());
    EXPECT_FALSE(game.ran());

    // A value the script would refuse is refused here as on Play, with its file and line.
    std::string setup = app.read("configs/duel.vkn");
    setup.replace(setup.find("^1Ace"), 5, "Zo\xc3\xab");
    app.write("configs/duel.vkn", setup);
    out.str("");
    EXPECT_EQ(play("duel", PlayMode::Print), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), app.file("configs/duel.vkn") +
                             ", line 18: The player name \"Zo\xc3\xab\" must not contain a "
                             "character outside plain ASCII, which the game's console splits "
                             "words at!\n");
}

// A bot the game does not define never reaches the script: kick would read "all" as every
// player and "1" as a slot. Each is said with its line, and the setup keeps it.
TEST_F(PlayCommandTest, BotsTheGameDoesNotDefineAreSaidAndLeftOut) {
    std::string setup = app.read("configs/duel.vkn");
    setup.replace(setup.find("Vexor"), 5, "all");
    setup.replace(setup.find("Krag"), 4, "Gri;sm");
    app.write("configs/duel.vkn", setup);
    app.write("bots.txt", "Krag\r\nVexor\r\n1\r\n");
    EXPECT_EQ(play("duel", PlayMode::Print), 0) << err.str();
    EXPECT_EQ(out.str().find("all"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("Gri"), std::string::npos) << out.str();
    const std::string file = app.file("configs/duel.vkn");
    EXPECT_EQ(err.str(), app.file("bots.txt") + ", line 3: this line is not a bot name\n" + file +
                             ", line 7: the game defines no bot all, so it is left out of the "
                             "game.\n" +
                             file +
                             ", line 15: the game defines no bot Gri;sm, so it is left out of the "
                             "game.\n");
    EXPECT_EQ(app.read("configs/duel.vkn"), setup);
}

TEST_F(PlayCommandTest, ModelSkinAndModMatchAsTheProgramDoes) {
    std::string setup = app.read("configs/duel.vkn");
    setup.replace(setup.find("BRUTE\r\nred\r\n0\r\n[none]"), 22, "brute\r\nred\r\n0\r\narena");
    app.write("configs/duel.vkn", setup);
    EXPECT_EQ(play("duel", PlayMode::NoStart), 0) << err.str();
    EXPECT_EQ(out.str(), "+set fs_game arena +sv_pure 0 +exec velkarn\n");
    EXPECT_NE(game.script().find("seta model brute/red\r\n"), std::string::npos);
}

TEST_F(PlayCommandTest, StartsTheGameInItsFolder) {
    EXPECT_EQ(play("duel", PlayMode::Start), 0) << err.str();
    EXPECT_EQ(game.arguments(), (Lines{"+exec", "velkarn", "+set", "r_mode", "4"}));
    EXPECT_TRUE(out.str().empty());
}

TEST_F(PlayCommandTest, ErrorsGoToStandardErrorWithStatusOne) {
    EXPECT_EQ(play("missing", PlayMode::NoStart), 1);
    EXPECT_EQ(err.str(), "Cannot open file " + app.file("configs/missing.vkn") + "\n");

    err.str("");
    app.write("configs/bad.vkn", "1\r\ngorge1\r\n 1\r\n twenty\r\n");
    EXPECT_EQ(play("bad", PlayMode::NoStart), 1);
    EXPECT_EQ(err.str(),
              app.file("configs/bad.vkn") + ", line 4: 'twenty' is not a valid integer value\n");
    EXPECT_FALSE(game.scriptWritten());

    // The game folder is checked first and named.
    err.str("");
    app.write("path.txt", app.file("maps.txt") + "\r\n\r\n");
    EXPECT_EQ(play("duel", PlayMode::NoStart), 1);
    EXPECT_EQ(err.str(), "The game folder " + app.file("maps.txt") + " is not a folder.\n");
    err.str("");
    app.write("path.txt", app.file("gone") + "\r\n\r\n");
    EXPECT_EQ(play("duel", PlayMode::NoStart), 1);
    EXPECT_EQ(err.str(), "The game folder " + app.file("gone") + " does not exist.\n");

    err.str("");
    std::filesystem::remove(app.file("path.txt"));
    EXPECT_EQ(play("duel", PlayMode::NoStart), 1);
    EXPECT_NE(err.str().find("Please set Quake III Arena executable path..."), std::string::npos);
}

TEST_F(PlayCommandTest, UnsafeNameIsRefusedAndNothingWritten) {
    std::string setup = app.read("configs/duel.vkn");
    setup.replace(setup.find("^1Ace"), 5, "Ace;quit");
    app.write("configs/duel.vkn", setup);
    EXPECT_EQ(play("duel", PlayMode::Start), 1);
    EXPECT_EQ(err.str(), app.file("configs/duel.vkn") +
                             ", line 18: The player name \"Ace;quit\" must not contain a "
                             "semicolon!\n");
    EXPECT_FALSE(game.scriptWritten());
    EXPECT_FALSE(game.ran());
}

// Entries whose maps the catalogue lacks are said and left out; with nothing left, nothing plays.
TEST_F(PlayCommandTest, UncataloguedMapsAreSaidAndNothingToPlayIsAFailure) {
    app.write("maps.txt", mapRecord("vault.bsp", "Vault", 2, true, false, true, false));
    EXPECT_EQ(play("duel", PlayMode::NoStart), 0) << err.str();
    EXPECT_EQ(err.str(), app.file("configs/duel.vkn") +
                             ", line 2: the catalogue holds no map gorge1, so that entry is not "
                             "played.\n");
    EXPECT_NE(game.script().find("map vault\r\naddbot Krag 4 Red\r\n"), std::string::npos);

    app.write("maps.txt", "");
    err.str("");
    EXPECT_EQ(play("duel", PlayMode::Start), 1);
    EXPECT_TRUE(err.str().ends_with("The rotation holds no map to play!\n")) << err.str();
    EXPECT_FALSE(game.ran());
}
