#include "core/content/ArchiveScan.h"
#include "core/content/EntryNames.h"
#include "core/platform/FileSystem.h"
#include "support/RecordingObserver.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct ArchiveScanTest : ::testing::Test {
    TempFolder folder;
    Catalogue catalogue;
    RecordingObserver observer;
    ZipArchive zip{[this](const ZipMessage& m) { observer.message(m.text); }};

    void scan(const std::string& name, const EntryList& entries) {
        writeZip(folder.file(name), entries, true);
        CatalogueIndex index(catalogue);
        scanArchive(folder.file(name), zip, index, observer);
    }
    std::vector<std::string> mapNames() const {
        std::vector<std::string> names;
        for (const auto& map : catalogue.mapFiles)
            names.push_back(map->fileName);
        return names;
    }
    std::vector<std::string> skins(std::size_t model) const {
        const PlayerModel& m = *catalogue.playerModels.at(model);
        return {m.skins.begin(), m.skins.begin() + m.skinCount};
    }
};

} // namespace

TEST(EntryNamesTest, ParentAndLastPartFollowTheirPositionRules) {
    EXPECT_EQ(parentFolder("models\\players\\brute\\head.md3"), "models\\players\\brute\\");
    EXPECT_EQ(parentFolder("models\\players\\brute\\"), "models\\players\\");
    EXPECT_EQ(parentFolder("a\\b"), ""); // the "\" stands after position length - 2
    EXPECT_EQ(parentFolder("maps"), "");
    EXPECT_EQ(lastPathPart("models\\players\\brute\\"), "brute");
    EXPECT_EQ(lastPathPart("models\\players\\brute\\head_blue.skin"), "head_blue.skin");
    EXPECT_EQ(lastPathPart("scripts\\"), "cripts");
    EXPECT_EQ(lastPathPart(""), "");
    EXPECT_EQ(entryFileName("c:maps\\x.bsp"), "x.bsp");
    EXPECT_EQ(entryExtension("maps.d\\readme"), "");
}

TEST(HeadSkinTest, NamesAreCutFromTheFileName) {
    std::string skin;
    EXPECT_TRUE(headSkinName("head_blue.skin", skin));
    EXPECT_EQ(skin, "blue");
    EXPECT_TRUE(headSkinName("HEAD_Red.SKIN", skin));
    EXPECT_EQ(skin, "Red");
    EXPECT_TRUE(headSkinName("head_.skin", skin));
    EXPECT_EQ(skin, "");
    EXPECT_FALSE(headSkinName("upper_blue.skin", skin));
    EXPECT_FALSE(headSkinName("head_blue.tga", skin));
}

TEST_F(ArchiveScanTest, MapsAreCataloguedInLowerCaseExceptTheTestBox) {
    scan("a.pk3", {{"maps/GORGE1.BSP", "m"},
                   {"maps/test_bigbox.bsp", "m"},
                   {"maps/TEST_BIGBOX.bsp", "m"},
                   {"maps/readme.txt", "t"}});
    EXPECT_EQ(mapNames(), (std::vector<std::string>{"gorge1.bsp", "test_bigbox.bsp"}));
    EXPECT_EQ(catalogue.mapFiles[0]->archivePath, folder.file("a.pk3"));
    EXPECT_EQ(catalogue.mapFiles[0]->supportsDeathmatch, 1);
    EXPECT_EQ(observer.steps, 2);

    scan("b.pk3", {{"maps/gorge1.bsp", "m"}});
    ASSERT_EQ(catalogue.mapFiles.size(), 2u);
    EXPECT_EQ(catalogue.mapFiles[0]->archivePath, folder.file("b.pk3")); // last one wins
}

TEST_F(ArchiveScanTest, ModelFoldersNeedAMeshAndCollectHeadSkins) {
    EntryList entries = {{"models/players/brute/head.md3", "m"},
                         {"models/players/brute/head_default.skin", "s"},
                         {"models/players/Brute/head_red.skin", "s"},
                         {"models/players/brute/head_RED.skin", "s"},
                         {"models/players/brute/icons/iconh_default.tga", "i"},
                         {"Models/Players/brute/head_blue.skin", "s"},
                         {"models/players/ghost/head_default.skin", "s"},
                         {"models/players/ghost/animation.cfg", "a"}};
    for (int i = 0; i < 20; ++i)
        entries.push_back({"models/players/many/head_" + std::to_string(i) + ".skin", "s"});
    entries.push_back({"models/players/many/lower.MD3", "m"});
    scan("m.pk3", entries);

    ASSERT_EQ(catalogue.playerModels.size(), 2u);
    EXPECT_EQ(catalogue.playerModels[0]->name, "brute");
    EXPECT_EQ(skins(0), (std::vector<std::string>{"default", "red"}));
    EXPECT_EQ(catalogue.playerModels[1]->name, "many");
    EXPECT_EQ(skins(1).size(), 16u);
    EXPECT_EQ(skins(1).front(), "0");
    EXPECT_EQ(skins(1).back(), "15");
}

TEST_F(ArchiveScanTest, TextsAreReadFromTheArchiveWithoutTouchingTheDisk) {
    const std::string current = currentFolder();
    scan("t.pk3", {{"scripts/bots.txt", "name Brute\nname Scout\n"},
                   {"scripts/extra.bot", "name Anvil"},
                   {"scripts/BOTS.TXT", "name Ignored"},
                   {"scripts/arenas.txt", "{\nmap \"q3dm1\"\nlongname \"Arena Gate\"\n}\n"},
                   {"maps/q3dm1.bsp", "m"}});
    EXPECT_EQ(catalogue.botNames, (std::vector<std::string>{"Anvil", "Brute", "Scout"}));
    ASSERT_EQ(catalogue.mapFiles.size(), 1u);
    EXPECT_EQ(catalogue.mapFiles[0]->longName, "Arena Gate");
    EXPECT_EQ(catalogue.mapFiles[0]->archivePath, folder.file("t.pk3"));
    EXPECT_EQ(listFolder(folder.path()).size(), 1u); // nothing copied out next to the archive
    EXPECT_EQ(currentFolder(), current);
}

TEST_F(ArchiveScanTest, UnreadableTextsAreReportedAndSkipped) {
    folder.write("bad.pk3", rawZip({{"scripts/a.bot", "name Crc", 3, 20, 0, true},
                                    {"scripts/b.bot", "name Good"}}));
    CatalogueIndex index(catalogue);
    scanArchive(folder.file("bad.pk3"), zip, index, observer);
    EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Good"});
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_NE(observer.messages[0].find("scripts\\a.bot"), std::string::npos);

    folder.write("huge.pk3",
                 rawZip({{"scripts/big.arena", std::string(MaxTextEntryBytes + 1, ' ')}}));
    scanArchive(folder.file("huge.pk3"), zip, index, observer);
    ASSERT_EQ(observer.messages.size(), 2u);
    EXPECT_NE(observer.messages[1].find("larger than 16 MiB"), std::string::npos);
}

TEST(MeshLookaheadTest, LooksIntoTheFirstEntryOfTheNextFolder) {
    std::vector<ZipDirEntry> entries(4);
    entries[0].fileName = "models\\players\\a\\head_x.skin";
    entries[1].fileName = "models\\players\\a\\animation.cfg";
    entries[2].fileName = "models\\players\\b\\head.md3";
    entries[3].fileName = "models\\players\\c\\x.skin";
    MeshLookahead meshes(entries);
    EXPECT_TRUE(meshes.modelFolderHasMesh(0));
    EXPECT_TRUE(meshes.modelFolderHasMesh(1));
    EXPECT_FALSE(meshes.modelFolderHasMesh(3));
}
