#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "core/platform/Process.h"
#include "core/platform/Random.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace velkarn;
using velkarn::test::TempFolder;

TEST(FileSystem, ListsVisibleEntriesOnly) {
    TempFolder dir;
    dir.write("a.pk3", "");
    dir.write(".hidden", "");
    dir.makeFolder("sub");
    dir.makeFolder(".git");
    auto entries = listFolder(dir.path());
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "a.pk3");
    EXPECT_FALSE(entries[0].isFolder);
    EXPECT_EQ(entries[1].name, "sub");
    EXPECT_TRUE(entries[1].isFolder);
    EXPECT_TRUE(listFolder(dir.file("missing")).empty());
}

TEST(FileSystem, NameHelpers) {
    EXPECT_TRUE(endsWithNoCase("DEFAULT.VKN", ".vkn"));
    EXPECT_FALSE(endsWithNoCase("vkn", ".vkn"));
    EXPECT_EQ(withTrailingSlash("/games/q3"), "/games/q3/");
    EXPECT_EQ(withTrailingSlash("/"), "/");
    EXPECT_EQ(fileNamePart("/a/b/c.vkn"), "c.vkn");
    EXPECT_EQ(fileNamePart("c.vkn"), "c.vkn");
}

TEST(GameExecutable, FirstNameFoundWinsAndFoldersDoNotCount) {
    TempFolder dir;
    EXPECT_FALSE(findGameExecutable(dir.path()));
    dir.makeFolder("quake3.exe"); // a folder of that name is not the game
    EXPECT_FALSE(findGameExecutable(dir.path()));
    dir.write("quake3", "");
    dir.write("ioquake3.x86_64", "");
    EXPECT_EQ(findGameExecutable(dir.path()), dir.file("ioquake3.x86_64"));
}

TEST(Process, SplitsParametersLikeAShell) {
    EXPECT_EQ(splitParameters("+exec velkarn "), (std::vector<std::string>{"+exec", "velkarn"}));
    EXPECT_EQ(splitParameters("+set fs_game \"my mod\" +exec velkarn"),
              (std::vector<std::string>{"+set", "fs_game", "my mod", "+exec", "velkarn"}));
    EXPECT_TRUE(splitParameters("   ").empty());
}

TEST(Random, SameSeedSameNumbersAndBoundsHold) {
    Random a(7), b(7);
    for (int i = 0; i < 100; ++i) {
        const int x = a.below(5);
        EXPECT_EQ(x, b.below(5));
        EXPECT_GE(x, 0);
        EXPECT_LT(x, 5);
    }
    EXPECT_EQ(a.below(0), 0);
}
