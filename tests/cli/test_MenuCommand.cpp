#include "cli/MenuCommand.h"
#include "core/platform/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

TEST(MenuCommand, AddsAndRemovesTheEntryOfASavedSetup) {
    TempFolder temp;
    temp.write("app/configs/duel.vkn", "0\r\n");
    SystemLayout layout;
    layout.xdgDataHome = temp.file("data/");
    std::ostringstream out, err;
    const std::vector<std::string> program{"/usr/games/velkarn", "--appdir", temp.file("app/")};
    ASSERT_EQ(runMenuCommand(temp.file("app/"), "duel", false, program, layout, out, err), 0)
        << err.str();
    EXPECT_EQ(out.str(), temp.file("data/applications/velkarn-duel.desktop") + "\n");
    EXPECT_NE(temp.read("data/applications/velkarn-duel.desktop")
                  .find("\nExec=/usr/games/velkarn --appdir " + temp.file("app/") + " play duel\n"),
              std::string::npos);

    EXPECT_EQ(runMenuCommand(temp.file("app/"), "duel", true, program, layout, out, err), 0);
    EXPECT_FALSE(pathExists(temp.file("data/applications/velkarn-duel.desktop")));
    EXPECT_EQ(runMenuCommand(temp.file("app/"), "duel", true, program, layout, out, err), 1)
        << "nothing to remove is said";
    err.str("");
    EXPECT_EQ(runMenuCommand(temp.file("app/"), "gone", false, program, layout, out, err), 1);
    EXPECT_EQ(err.str(), "There is no saved setup " + temp.file("app/configs/gone.vkn") + ".\n");
}
