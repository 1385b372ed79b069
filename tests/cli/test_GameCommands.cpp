#include "cli/GameCommands.h"
#include "core/platform/FileSystem.h"
#include "support/TempFolder.h"
#include "support/TestLayout.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;
namespace fs = std::filesystem;

namespace {

struct GameCommandsTest : ::testing::Test {
    TempFolder temp;
    SystemLayout layout = testLayout(temp);
    std::string app = temp.makeFolder("app") + "/";
    std::ostringstream out, err;

    void installOpenArena() {
        temp.write("root/usr/games/openarena", "#!/bin/sh\n");
        fs::permissions(temp.file("root/usr/games/openarena"), fs::perms::owner_all,
                        fs::perm_options::add);
        temp.makeFolder("root/usr/lib/openarena/baseoa");
    }
    void addOpenArenaData() { temp.write("root/usr/lib/openarena/baseoa/pak0.pk3", "PK"); }
};

} // namespace

TEST_F(GameCommandsTest, GamesListsTheInstallationsTabSeparated) {
    EXPECT_EQ(runGamesCommand(layout, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "No game installation found.\n");

    installOpenArena();
    err.str("");
    EXPECT_EQ(runGamesCommand(layout, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("1\tOpenArena (Debian package) (no game data)\t"))
        << out.str();

    addOpenArenaData();
    out.str("");
    EXPECT_EQ(runGamesCommand(layout, out, err), 0);
    EXPECT_EQ(out.str(), "1\tOpenArena (Debian package)\t" + temp.file("root/usr/games/openarena") +
                             "\t" + temp.file("root/usr/lib/openarena/") + "\t" +
                             temp.file("home/.openarena/") + "\tbaseoa\n");
}

TEST_F(GameCommandsTest, UseWritesPathFileKeepingItsCommandLineOrChangesNothing) {
    installOpenArena();
    temp.write("app/path.txt", "/old/\r\n+set fs_debug 1\r\n");
    EXPECT_EQ(runUseCommand(app, "2", layout, out, err), 1);
    EXPECT_EQ(err.str(), "There is no game installation 2; velkarn games lists 1.\n");
    EXPECT_EQ(runUseCommand(app, temp.file("nowhere"), layout, out, err), 1);
    err.str("");
    EXPECT_EQ(runUseCommand(app, "", layout, out, err), 1);
    EXPECT_EQ(err.str(), "No game folder is named.\n");
    // A line break in a folder's name would break path.txt's lines.
    temp.makeFolder("q3\nx/baseq3");
    err.str("");
    EXPECT_EQ(runUseCommand(app, temp.file("q3\nx"), layout, out, err), 1);
    EXPECT_EQ(err.str(), "The game folder " + temp.file("q3?x/") +
                             " has a control character in its name, which path.txt cannot keep.\n");
    EXPECT_EQ(temp.read("app/path.txt"), "/old/\r\n+set fs_debug 1\r\n");

    EXPECT_EQ(runUseCommand(app, "1", layout, out, err), 0);
    EXPECT_EQ(temp.read("app/path.txt"),
              temp.file("root/usr/lib/openarena/") + "\r\n+set fs_debug 1\r\ndebian-openarena\r\n");

    temp.makeFolder("games/q3/baseq3");
    EXPECT_EQ(runUseCommand(app, temp.file("games/q3"), layout, out, err), 0);
    EXPECT_EQ(temp.read("app/path.txt"), temp.file("games/q3/") + "\r\n+set fs_debug 1\r\n")
        << "a folder keeps the two lines of old";
}
