#include "core/content/CatalogueFiles.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "support/TempFolder.h"
#include "support/ThrownMessage.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

MapFile& addMap(Catalogue& catalogue, const std::string& name) {
    catalogue.mapFiles.push_back(std::make_unique<MapFile>());
    catalogue.mapFiles.back()->fileName = name;
    return *catalogue.mapFiles.back();
}

PlayerModel& addModel(Catalogue& catalogue, const std::string& name, int skins) {
    catalogue.playerModels.push_back(std::make_unique<PlayerModel>());
    PlayerModel& model = *catalogue.playerModels.back();
    model.name = name;
    for (int i = 0; i < skins; ++i)
        model.skins[static_cast<std::size_t>(model.skinCount++)] = "skin" + std::to_string(i);
    return model;
}

} // namespace

TEST(CatalogueFilesTest, WritesTheRecordFormatsAndReadsThemBack) {
    TempFolder folder;
    Catalogue catalogue;
    MapFile& map = addMap(catalogue, "gorge1.bsp");
    map.archivePath = "/games/q3/baseq3/pak0.pk3";
    map.arenaBotCount = -2;
    map.supportsDeathmatch = 1;
    map.supportsCaptureTheFlag = 2; // anything but 1 is written false
    catalogue.addBotName("Brute");
    catalogue.addBotName("anvil");
    addModel(catalogue, "zed", 16);
    addModel(catalogue, "Brute", 1);
    writeCatalogueFiles(folder.path(), catalogue);

    EXPECT_EQ(folder.read("maps.txt"), "gorge1.bsp\r\n /games/q3/baseq3/pak0.pk3\r\n \r\n -2\r\n"
                                       " true\r\n false\r\n false\r\n false\r\nEND\r\n");
    EXPECT_EQ(folder.read("bots.txt"), "anvil\r\nBrute\r\n");
    EXPECT_EQ(folder.read("models.txt").substr(0, 25), "Brute\r\n skin0\r\nEND\r\nzed\r\n");

    Catalogue reread;
    readMapsFile(folder.file("maps.txt"), reread);
    readBotsFile(folder.file("bots.txt"), reread);
    readModelsFile(folder.file("models.txt"), reread);
    ASSERT_EQ(reread.mapFiles.size(), 1u);
    EXPECT_EQ(reread.mapFiles[0]->longName, "");
    EXPECT_EQ(reread.mapFiles[0]->arenaBotCount, -2);
    EXPECT_EQ(reread.mapFiles[0]->supportsCaptureTheFlag, 0);
    EXPECT_EQ(reread.botNames, catalogue.botNames);
    ASSERT_EQ(reread.playerModels.size(), 2u);
    EXPECT_EQ(reread.playerModels[1]->skinCount, 16);
    EXPECT_EQ(reread.playerModels[1]->skins[15], "skin15");
}

TEST(CatalogueFilesTest, EmptyCatalogueGivesEmptyFilesThatReadBackEmpty) {
    TempFolder folder;
    Catalogue empty;
    writeCatalogueFiles(folder.path(), empty);
    for (const char* name : {"maps.txt", "bots.txt", "models.txt"})
        EXPECT_EQ(folder.read(name), "") << name;
    readMapsFile(folder.file("maps.txt"), empty);
    readModelsFile(folder.file("models.txt"), empty);
    EXPECT_TRUE(empty.mapFiles.empty() && empty.playerModels.empty());
}

// A file cut inside a record, or holding what the search never writes, is not read as if it
// were whole: it says where, and the catalogue is marked so the next search rebuilds it.
TEST(CatalogueFilesTest, AFileNotAsTheSearchWritesItFailsAtItsLineAndAsksForARebuild) {
    const std::string good = "a.bsp\n /p\n T\n 3\n true\n true\n false\n false\nEND\n";
    const std::vector<std::pair<std::string, std::string>> maps = {
        {good + "b.bsp\n /p\n\n", ", line 10: the file ends inside a record"},
        {good + "b.bsp\n /p\n T\n x3\n true\n true\n false\n false\nEND\n",
         ", line 13: 'x3' is not a valid integer value"},
        {good + "b.bsp\n /p\n T\n 3\n TRUE\n true\n false\n false\nEND\n",
         ", line 14: 'TRUE' is neither true nor false"},
        {good + "b.bsp\n /p\n T\n 3\n true\n true\n false\n false\nEND.\n",
         ", line 18: the record should end here"},
        {good + "a\x1b.bsp\n /p\n T\n 3\n true\n true\n false\n false\nEND\n",
         ", line 10: this line is not a map file name the game can load"},
        {good + "b.bsp\n/p\n T\n 3\n true\n true\n false\n false\nEND\n",
         ", line 11: this line is not a field of a record"},
    };
    TempFolder folder;
    for (const auto& [text, where] : maps) {
        folder.write("maps.txt", text);
        Catalogue catalogue;
        EXPECT_EQ(thrownMessage([&] { readMapsFile(folder.file("maps.txt"), catalogue); }),
                  folder.file("maps.txt") + where);
        EXPECT_EQ(catalogue.mapFiles.size(), 1u);
        EXPECT_TRUE(catalogue.needsRebuild);
    }
    const std::vector<std::pair<std::string, std::string>> models = {
        {"sarge\n default\nEND\nodd\nEND\n", ", line 5: this line is not a field of a record"},
        {"sarge\n default\n\tred\nEND\n", ", line 3: this line is not a field of a record"},
        {"sarge\n default\n", ", line 3: the file ends inside a record"},
        {"sarge\n default\nEND", ", line 3: the file ends inside this line"},
        {"sar*\n default\nEND\n", ", line 1: this line is not a model name the game can load"},
        {"sarge\n *x\nEND\n", ", line 2: this line is not a skin name the game can load"},
    };
    for (const auto& [text, where] : models) {
        folder.write("models.txt", text);
        Catalogue catalogue;
        EXPECT_EQ(thrownMessage([&] { readModelsFile(folder.file("models.txt"), catalogue); }),
                  folder.file("models.txt") + where);
        EXPECT_TRUE(catalogue.needsRebuild);
    }
    const std::vector<std::pair<std::string, std::string>> bots = {
        {"Sarge\n\nGrism\n", ", line 2: this line is not a bot name"},
        {"Sarge\r\nGh", ", line 2: the file ends inside this line"}, // a cut name stays out
    };
    for (const auto& [text, where] : bots) {
        folder.write("bots.txt", text);
        Catalogue catalogue;
        EXPECT_EQ(thrownMessage([&] { readBotsFile(folder.file("bots.txt"), catalogue); }),
                  folder.file("bots.txt") + where);
        EXPECT_EQ(catalogue.botNames, std::vector<std::string>{"Sarge"});
        EXPECT_TRUE(catalogue.needsRebuild);
    }
}

TEST(CatalogueFilesTest, FilesAlreadyHoldingTheContentAreNotReplaced) {
    TempFolder folder;
    Catalogue catalogue;
    catalogue.addBotName("Brute");
    writeCatalogueFiles(folder.path(), catalogue);
    const auto inode = [&](const char* name) {
        FileIdentity identity;
        fileIdentity(folder.file(name), identity);
        return identity.inode;
    };
    const auto bots = inode("bots.txt");
    const auto maps = inode("maps.txt");
    addMap(catalogue, "new.bsp");
    writeCatalogueFiles(folder.path(), catalogue);
    EXPECT_EQ(inode("bots.txt"), bots);
    EXPECT_NE(inode("maps.txt"), maps); // replaced by a new file
    EXPECT_EQ(folder.read("maps.txt").substr(0, 9), "new.bsp\r\n");
}

TEST(CatalogueFilesTest, UnwritableFolderFails) {
    TempFolder folder;
    EXPECT_THROW(writeCatalogueFiles(folder.path() + "missing/", Catalogue{}), FileCreateError);
}
