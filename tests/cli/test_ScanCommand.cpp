#include "cli/ScanCommand.h"
#include "core/platform/FileSystem.h"
#include "support/TempFolder.h"
#include "support/TestLayout.h"
#include "support/ZipFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class ScanCommandTest : public ::testing::Test {
protected:
    TempFolder app;
    TempFolder game;
    std::ostringstream out;
    std::ostringstream err;

    int scan() { return runScanCommand(app.path(), out, err, testLayout(app)); }
};

} // namespace

TEST_F(ScanCommandTest, SearchesRewritesTheFilesAndCountsWhatIsKnown) {
    app.write("path.txt", game.path() + "\r\n\r\n");
    // What was catalogued earlier from archives since gone leaves: the catalogue is what the
    // archives give.
    app.write("maps.txt", "old.bsp\r\n /gone/old.pk3\r\n Old\r\n 0\r\n true\r\n false\r\n"
                          " false\r\n false\r\nEND\r\n");
    app.write("models.txt", "visor\r\n default\r\nEND\r\n");
    app.write("mods.txt", "[None]\r\n\r\nMy mod\r\n+set fs_game mine\r\n");
    game.makeFolder("baseq3");
    writeZip(game.file("baseq3/pak0.pk3"), {{"maps/q3dm1.bsp", "m"},
                                            {"maps/q3dm2.bsp", "m"},
                                            {"scripts/bots.txt", "name Sarge\nname Anarki\n"},
                                            {"models/players/keel/head.md3", "m"},
                                            {"models/players/keel/head_default.skin", "s"}});
    game.write("baseq3/broken.pk3", "not an archive");
    game.write("arena2/vm/qagame.qvm", "code");

    EXPECT_EQ(scan(), 0);
    EXPECT_EQ(out.str(), "maps: 2\nbots: 2\nmodels: 1\nmods: 2\n");
    EXPECT_NE(err.str().find(game.file("baseq3/broken.pk3")), std::string::npos) << err.str();

    const std::string maps = app.read("maps.txt");
    for (const char* name : {"q3dm1.bsp\r\n", "q3dm2.bsp\r\n"})
        EXPECT_NE(maps.find(name), std::string::npos) << name;
    EXPECT_EQ(maps.find("old.bsp"), std::string::npos);
    EXPECT_EQ(app.read("bots.txt"), "Anarki\r\nSarge\r\n");
    EXPECT_EQ(app.read("models.txt"), "keel\r\n default\r\nEND\r\n");
    EXPECT_EQ(app.read("mods.txt"), "[None]\r\n\r\nMy mod\r\n+set fs_game mine\r\n"
                                    "arena2\r\n+set fs_game arena2 +sv_pure 0\r\n");
}

TEST_F(ScanCommandTest, WithoutAGameFolderNothingIsWritten) {
    EXPECT_EQ(scan(), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("Cannot open file " + app.file("path.txt")), std::string::npos);

    app.write("path.txt", game.file("missing/") + "\r\n");
    err.str("");
    EXPECT_EQ(scan(), 1);
    EXPECT_EQ(err.str(), "The game folder " + game.file("missing") + " does not exist.\n");
    app.write("path.txt", app.file("path.txt") + "\r\n");
    err.str("");
    EXPECT_EQ(scan(), 1);
    EXPECT_EQ(err.str(), "The game folder " + app.file("path.txt") + " is not a folder.\n");

    app.write("path.txt", "\r\n");
    EXPECT_EQ(scan(), 1);
    EXPECT_FALSE(pathExists(app.file("maps.txt")));
    EXPECT_FALSE(pathExists(app.file("mods.txt")));
}

TEST_F(ScanCommandTest, WithoutPathFileTheFirstStartsChoiceIsMadeAndSearched) {
    app.write("root/usr/games/openarena", "");
    std::filesystem::permissions(app.file("root/usr/games/openarena"),
                                 std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    writeZip(app.makeFolder("root/usr/lib/openarena/baseoa") + "pak0.pk3",
             {{"maps/oa_dm1.bsp", "bsp"},
              {"scripts/arenas.txt", "{\nmap \"oa_dm1\"\nlongname \"Dm1\"\n}\n"}});
    EXPECT_EQ(scan(), 0) << err.str();
    EXPECT_EQ(out.str().substr(0, 8), "maps: 1\n");
    EXPECT_NE(err.str().find("The game is OpenArena (Debian package)"), std::string::npos);
    EXPECT_NE(app.read("path.txt").find("\r\n\r\ndebian-openarena"), std::string::npos)
        << "kept as the windows keep it";
}

TEST_F(ScanCommandTest, BrokenListFilesAreReportedAndAnUnreadableModListIsKept) {
    app.write("path.txt", game.path() + "\r\n");
    app.write("maps.txt", "a.bsp\r\n /p.pk3\r\n t\r\n lots\r\n");
    EXPECT_EQ(scan(), 0);
    EXPECT_NE(err.str().find(app.file("maps.txt") + ", line 1: the file ends inside a record"),
              std::string::npos);
    EXPECT_EQ(out.str(), "maps: 0\nbots: 0\nmodels: 0\nmods: 0\n");

    std::filesystem::remove(app.file("mods.txt"));
    app.makeFolder("mods.txt"); // exists but cannot be read
    std::filesystem::remove(app.file("maps.txt"));
    err.str("");
    EXPECT_EQ(scan(), 1);
    EXPECT_NE(err.str().find("Cannot open file " + app.file("mods.txt")), std::string::npos);
    EXPECT_FALSE(pathExists(app.file("maps.txt")));
}
