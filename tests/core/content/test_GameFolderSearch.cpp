#include "core/content/CatalogueFiles.h"
#include "core/content/GameFolderSearch.h"
#include "core/platform/Errors.h"
#include "support/RecordingObserver.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct GameFolderSearchTest : ::testing::Test {
    TempFolder temp;
    std::string game = temp.makeFolder("game");
    std::string app = temp.makeFolder("app");
    Catalogue catalogue;
    RecordingObserver observer;

    void archive(const std::string& path, const EntryList& entries) {
        temp.makeFolder(std::filesystem::path("game/" + path).parent_path().string());
        writeZip(game + path, entries, true);
    }
    void search() { rebuildCatalogue(game, app, catalogue, observer); }
    std::vector<std::string> maps() const {
        std::vector<std::string> names;
        for (const auto& map : catalogue.mapFiles)
            names.push_back(map->fileName);
        return names;
    }
};

} // namespace

TEST_F(GameFolderSearchTest, ExtrasFoldersAndCapitalExtensionsAreLeftOut) {
    archive("baseq3/a.pk3", {{"maps/a.bsp", "m"}});
    archive("baseq3/Extras/b.pk3", {{"maps/b.bsp", "m"}});
    archive("mod/deep/Extras/c.pk3", {{"maps/c.bsp", "m"}});
    archive("mod/extras/d.pk3", {{"maps/d.bsp", "m"}});
    archive("baseq3/e.PK3", {{"maps/e.bsp", "m"}});
    archive("baseq3/f.pk3.bak", {{"maps/f.bsp", "m"}});
    temp.write("game/baseq3/g.bsp", "loose");
    search();
    auto found = maps();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"a.bsp", "d.bsp"}));
}

TEST_F(GameFolderSearchTest, SecondSearchOpensOnlyArchivesWithoutCataloguedMaps) {
    archive("baseq3/maps.pk3", {{"maps/q3dm1.bsp", "m"}, {"maps/q3dm2.bsp", "m"}});
    archive("baseq3/bots.pk3", {{"scripts/bots.txt", "name Brute"}});
    archive("baseq3/model.pk3",
            {{"models/players/brute/head.md3", "m"}, {"models/players/brute/head_a.skin", "s"}});
    search();
    EXPECT_EQ(observer.steps, 2 + 1 + 3); // two maps, one bot text, two model entries + a skin

    observer.steps = 0;
    search();
    EXPECT_EQ(observer.steps, 1 + 3); // the map archive stays closed
    EXPECT_EQ(catalogue.mapFiles.size(), 2u);
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Brute"});
    ASSERT_EQ(catalogue.playerModels.size(), 1u);
    EXPECT_EQ(catalogue.playerModels[0]->skinCount, 1);
}

TEST_F(GameFolderSearchTest, PurgeDropsTitleOnlyMapsAndSkinlessModels) {
    archive("baseq3/a.pk3", {{"scripts/a.arena", "{\nmap \"ghost\"\n}\n\n{\nmap \"real\"\n}\n"},
                             {"maps/real.bsp", "m"},
                             {"models/players/bare/upper.md3", "m"},
                             {"models/players/dressed/head.md3", "m"},
                             {"models/players/dressed/head_default.skin", "s"}});
    catalogue.addBotName("Keeper"); // found by an earlier search: never removed
    search();
    EXPECT_EQ(maps(), std::vector<std::string>{"real.bsp"});
    ASSERT_EQ(catalogue.playerModels.size(), 1u);
    EXPECT_EQ(catalogue.playerModels[0]->name, "dressed");

    Catalogue reread;
    readMapsFile(app + "maps.txt", reread);
    readBotsFile(app + "bots.txt", reread);
    readModelsFile(app + "models.txt", reread);
    ASSERT_EQ(reread.mapFiles.size(), 1u);
    EXPECT_EQ(reread.mapFiles[0]->archivePath, game + "baseq3/a.pk3");
    EXPECT_EQ(reread.botNames, std::vector<std::string>{"Keeper"});
    ASSERT_EQ(reread.playerModels.size(), 1u);
    EXPECT_EQ(reread.playerModels[0]->skins[0], "default");
}

TEST_F(GameFolderSearchTest, MissingGameFolderStillWritesTheCatalogue) {
    rebuildCatalogue(temp.path() + "nowhere/", app, catalogue, observer);
    EXPECT_TRUE(std::filesystem::exists(app + "maps.txt"));
    EXPECT_EQ(temp.read("app/models.txt"), "");
    rebuildCatalogue("", app, catalogue, observer); // no game folder set: nothing is walked
    EXPECT_EQ(observer.steps + observer.messages.size(), 0u);
}

TEST_F(GameFolderSearchTest, LinkCyclesAreWalkedOnceAndBrokenArchivesDoNotStopTheSearch) {
    archive("baseq3/a.pk3", {{"maps/a.bsp", "m"}});
    temp.write("game/baseq3/broken.pk3", "not a zip at all");
    std::filesystem::create_directory_symlink(game, game + "baseq3/loop");
    search();
    EXPECT_EQ(maps(), std::vector<std::string>{"a.bsp"});
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_NE(observer.messages[0].find("11036: " + game), std::string::npos);
}

TEST(IsNewArchiveTest, ComparesPathsExactlyAndFollowsAMapThatMoves) {
    Catalogue catalogue;
    catalogue.mapFiles.push_back(std::make_unique<MapFile>());
    catalogue.mapFiles[0]->archivePath = "/g/a.pk3";
    CatalogueIndex index(catalogue);
    EXPECT_FALSE(index.isNewArchive("/g/a.pk3"));
    EXPECT_TRUE(index.isNewArchive("/g/A.pk3"));
    index.setMapArchive(*catalogue.mapFiles[0], "/g/b.pk3");
    EXPECT_TRUE(index.isNewArchive("/g/a.pk3")) << "its only map went to another archive";
    EXPECT_FALSE(index.isNewArchive("/g/b.pk3"));
}

TEST_F(GameFolderSearchTest, CatalogueFileReadOnlyInPartIsRebuiltInFullOnce) {
    archive("baseq3/maps.pk3", {{"maps/q3dm1.bsp", "m"}, {"maps/q3dm2.bsp", "m"}});
    search();
    const std::string whole = temp.read("app/maps.txt");
    // The second record's bot count is damaged: only the first map is read, and its archive
    // would otherwise count as searched.
    std::string damaged = whole;
    damaged.replace(damaged.rfind(" 0\r\n"), 4, " x\r\n");
    temp.write("app/maps.txt", damaged);
    catalogue = Catalogue{};
    EXPECT_THROW(readMapsFile(app + "maps.txt", catalogue), ConvertError);
    ASSERT_EQ(maps().size(), 1u);

    EXPECT_TRUE(rebuildCatalogue(game, app, catalogue, observer));
    EXPECT_EQ(maps(), (std::vector<std::string>{"q3dm1.bsp", "q3dm2.bsp"}));
    EXPECT_EQ(temp.read("app/maps.txt"), whole);
    EXPECT_FALSE(rebuildCatalogue(game, app, catalogue, observer)) << "said once";
}
