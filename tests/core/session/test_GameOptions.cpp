#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/session/GameOptions.h"
#include "support/TempFolder.h"
#include "support/TestLayout.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct GameOptionsTest : ::testing::Test {
    TempFolder temp;
    std::string app = temp.makeFolder("app");
    GameOptions game{app, testLayout(temp)};

    bool pathFileWritten() const { return fileExists(game.pathFile()); }
};

} // namespace

// Leaving the game options without OK at a first start keeps only a usable game, so a start
// that named nothing usable asks again; OK keeps anything, and once path.txt exists, so does
// every way of leaving.
TEST_F(GameOptionsTest, PathFileIsWrittenOnLeavingWhenConfirmedKnownOrUsable) {
    game.setGameFolder("/no/such/game/");
    EXPECT_FALSE(game.writePathsOnLeaving(false));
    EXPECT_FALSE(pathFileWritten());

    temp.makeFolder("q3/baseq3");
    game.setGameFolder(temp.file("q3/"));
    EXPECT_FALSE(game.hasUsableGame()) << "a data folder without archives";
    EXPECT_FALSE(game.writePathsOnLeaving(false));
    temp.write("q3/baseq3/pak0.pk3", "PK");
    EXPECT_TRUE(game.hasUsableGame());
    EXPECT_TRUE(game.writePathsOnLeaving(false));
    EXPECT_EQ(temp.read("app/path.txt"), temp.file("q3/") + "\r\n\r\n");

    game.setGameFolder("/no/such/game/");
    EXPECT_TRUE(game.writePathsOnLeaving(false));
    EXPECT_EQ(temp.read("app/path.txt"), "/no/such/game/\r\n\r\n");

    std::filesystem::remove(game.pathFile());
    EXPECT_TRUE(game.writePathsOnLeaving(true));
    EXPECT_EQ(temp.read("app/path.txt"), "/no/such/game/\r\n\r\n");

    game.setPaths({"/usr/lib/openarena/", "", "debian-openarena"});
    EXPECT_FALSE(game.hasUsableGame()) << "a package no longer installed";
}

// Views reset on a new list but only move their selection on a new choice.
TEST_F(GameOptionsTest, ChoosingAModTellsOnlyTheChoice) {
    int listChanges = 0;
    int choices = 0;
    QObject::connect(&game, &GameOptions::modsChanged, [&] { ++listChanges; });
    QObject::connect(&game, &GameOptions::modChosen, [&] { ++choices; });
    temp.makeFolder("q3/arena/vm");
    game.setGameFolder(temp.file("q3/"));
    game.findMods();
    game.chooseMod(1);
    EXPECT_EQ(listChanges, 1);
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(game.chosenModName(), "arena");
}

// A mods.txt cut by a crash is read whole and said; one that cannot be read (here larger than
// any list file) is never written over with the fresh list by the next search.
TEST_F(GameOptionsTest, ModsFileCutIsSaidAndOneNotReadIsNeverSavedSmaller) {
    temp.write("app/mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena +sv_pu");
    EXPECT_EQ(game.readMods(), std::vector<std::string>{temp.file("app/mods.txt") +
                                                        ", line 4: the file ends inside this "
                                                        "line: it may have been cut short."});
    temp.write("app/mods.txt", "[None]\r\n\r\nArena\r\n");
    EXPECT_EQ(game.readMods(), std::vector<std::string>{temp.file("app/mods.txt") +
                                                        ", line 3: the mod \"Arena\" is cut "
                                                        "short: its parameters line is missing."});
    EXPECT_EQ(game.mods().size(), 2u);

    std::filesystem::resize_file(temp.file("app/mods.txt"), MaxTextFileBytes + 1);
    EXPECT_THROW(game.readMods(), FileOpenError);
    EXPECT_THROW(game.findMods(), UserMessage);
    EXPECT_EQ(std::filesystem::file_size(temp.file("app/mods.txt")), MaxTextFileBytes + 1);
}
