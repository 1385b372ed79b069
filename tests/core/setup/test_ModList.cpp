#include "core/platform/Errors.h"
#include "core/setup/ModList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velkarn;
using velkarn::test::TempFolder;

namespace {

std::vector<std::string> names(const std::vector<Mod>& mods) {
    std::vector<std::string> result;
    for (const auto& mod : mods)
        result.push_back(mod.name);
    return result;
}

} // namespace

TEST(ModsFile, ReadsPairsOfLines) {
    TempFolder dir;
    const auto fresh = readModsFile(dir.file("mods.txt"));
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh[0].name, "[None]");
    EXPECT_EQ(fresh[0].parameters, "");

    dir.write("mods.txt", "[None]\r\n\r\nArena\n+set fs_game arena +sv_pure 0\r\n");
    const auto four = readModsFile(dir.file("mods.txt"));
    ASSERT_EQ(four.size(), 2u);
    EXPECT_EQ(four[1].name, "Arena");
    EXPECT_EQ(four[1].parameters, "+set fs_game arena +sv_pure 0");

    dir.write("mods.txt", "[None]\r\n\r\nOdd\r\n");
    const auto three = readModsFile(dir.file("mods.txt"));
    ASSERT_EQ(three.size(), 2u);
    EXPECT_EQ(three[1].name, "Odd");
    EXPECT_EQ(three[1].parameters, "");

    dir.write("mods.txt", "");
    const auto none = readModsFile(dir.file("mods.txt"));
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].name, "");

    dir.makeFolder("folder.txt");
    EXPECT_THROW(readModsFile(dir.file("folder.txt")), FileOpenError);
}

TEST(ModsFile, WritesEveryEntryAndReadsItBack) {
    TempFolder dir;
    const std::vector<Mod> mods = {{"[None]", ""}, {"Arena", modFolderParameters("arena2")}};
    writeModsFile(dir.file("mods.txt"), mods);
    EXPECT_EQ(dir.read("mods.txt"), "[None]\r\n\r\nArena\r\n+set fs_game arena2 +sv_pure 0\r\n");
    const auto back = readModsFile(dir.file("mods.txt"));
    EXPECT_EQ(names(back), names(mods));
    EXPECT_EQ(back[1].parameters, mods[1].parameters);
    EXPECT_THROW(writeModsFile(dir.file("missing/mods.txt"), mods), FileCreateError);
}

TEST(ModFolders, RecognisesModFolders) {
    TempFolder game;
    game.write("baseq3/pak0.pk3", "zip");
    game.write("Baseq3/PAK1.PK3", "zip"); // only "baseq3" exactly is the game itself
    game.makeFolder("withvm/vm");
    game.write("vmfile/vm", "");
    game.write("described/z.pk3", "zip");
    game.write("described/description.txt", "Described Mod\r\nsecond line\r\n");
    game.write("onlydescription/description.txt", "Not A Mod\r\n");
    game.makeFolder("archivefolder/x.pk3"); // a folder named like an archive does not count
    game.write("hidden/.vm", "");
    game.write("notes.pk3", "a file beside the folders");
    // Names the engine would not take whole as fs_game, or would run as commands.
    for (const char* hostile : {"x +exec other +connect host", "a+b", "-dash", "quo\"te",
                                "new\nline", "semi;colon", "uni\xc3\xa9", "c//d"})
        game.makeFolder(std::string(hostile) + "/vm");

    std::vector<Mod> mods = freshModList();
    EXPECT_EQ(appendModFolders(game.path(), mods), 4);
    EXPECT_EQ(names(mods),
              (std::vector<std::string>{"[None]", "Baseq3", "Described Mod", "vmfile", "withvm"}));
    EXPECT_EQ(mods[1].parameters, "+set fs_game Baseq3 +sv_pure 0");
    EXPECT_EQ(mods[2].parameters, "+set fs_game described +sv_pure 0");

    // A second search finds them listed and adds nothing.
    EXPECT_EQ(appendModFolders(game.path(), mods), 0);
    EXPECT_EQ(mods.size(), 5u);
    EXPECT_EQ(appendModFolders(game.file("nowhere"), mods), 0);
}

TEST(ModFolders, ListedFoldersFollowTheParameters) {
    TempFolder game;
    game.makeFolder("arena2/vm");
    game.makeFolder("arena22/vm");
    game.makeFolder("edited/vm");
    std::vector<Mod> mods = {{"[None]", ""},
                             {"Arena 22", modFolderParameters("arena22")},
                             {"Edited", "+set fs_game other"}};
    // arena2 is a prefix of the listed arena22 and so counts as listed; the edited entry no
    // longer names its folder, which is added a second time.
    EXPECT_EQ(appendModFolders(game.path(), mods), 1);
    EXPECT_EQ(mods.back().parameters, modFolderParameters("edited"));
}

TEST(ModFolders, UnreadableDescriptionEndsTheSearch) {
    TempFolder game;
    game.makeFolder("a/vm");
    game.makeFolder("b/vm");
    game.write("b/description.txt", "B\r\n");
    game.makeFolder("c/vm");
    ::chmod(game.file("b/description.txt").c_str(), 0);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may read any file";
    std::vector<Mod> mods = freshModList();
    EXPECT_THROW(appendModFolders(game.path(), mods), FileOpenError);
    EXPECT_EQ(names(mods), (std::vector<std::string>{"[None]", "a", "b"}));
}

TEST(ModList, SelectionEditAndRemoval) {
    std::vector<Mod> mods = {{"[None]", "ignored"}, {"Arena", "+set fs_game arena"}, {"CPMA", "x"}};
    EXPECT_EQ(modStartParameters(mods, 0), "");
    EXPECT_EQ(modStartParameters(mods, -1), "");
    EXPECT_EQ(modStartParameters(mods, 1), "+set fs_game arena");
    EXPECT_EQ(modStartParameters(mods, 3), "");

    EXPECT_EQ(modIndexForName(mods, "arena"), 1);
    EXPECT_EQ(modIndexForName(mods, "cpma"), 2);
    EXPECT_EQ(modIndexForName(mods, "Unknown"), 0);

    EXPECT_FALSE(canEditOrRemoveMod(mods, 0));
    EXPECT_FALSE(replaceModAt(mods, 0, {"x", "y"}));
    EXPECT_FALSE(removeModAt(mods, 0));
    EXPECT_FALSE(removeModAt(mods, 3));
    EXPECT_TRUE(replaceModAt(mods, 2, {" CPMA 2 ", ""}));
    EXPECT_EQ(mods[2].name, " CPMA 2 "); // as typed
    EXPECT_TRUE(removeModAt(mods, 1));
    EXPECT_EQ(names(mods), (std::vector<std::string>{"[None]", " CPMA 2 "}));
}
