#include "core/content/CatalogueFiles.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "support/TempFolder.h"

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
        model.skins[model.skinCount++] = "skin" + std::to_string(i);
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

TEST(CatalogueFilesTest, FlagsAreCaseSensitiveAndABadCountFails) {
    TempFolder folder;
    Catalogue catalogue;
    folder.write("maps.txt", "a.bsp\n /p\n T\n 3\n TRUE\n true\n false\n false\nEND\n"
                             "b.bsp\n /p\n\n x3\n");
    EXPECT_THROW(readMapsFile(folder.file("maps.txt"), catalogue), ConvertError);
    ASSERT_EQ(catalogue.mapFiles.size(), 1u);
    EXPECT_EQ(catalogue.mapFiles[0]->supportsDeathmatch, 0);
    EXPECT_EQ(catalogue.mapFiles[0]->supportsTournament, 1);
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
