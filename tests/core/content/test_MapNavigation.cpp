#include "core/content/GameFolderSearch.h"
#include "core/content/MapNavigation.h"
#include "core/content/ModelIcon.h"
#include "core/images/TgaBytes.h"
#include "support/JpegFixture.h"
#include "support/RotationFixtures.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

std::unique_ptr<MapFile> mapFile(const std::string& fileName, const std::string& archive) {
    auto map = std::make_unique<MapFile>();
    map->fileName = fileName;
    map->archivePath = archive;
    return map;
}

RotationEntry withBots(RotationEntry entry, int mapFileIndex) {
    entry.mapFileIndex = mapFileIndex;
    return entry;
}

} // namespace

TEST(MapNavigationTest, NamesMapsWithBotsWhoseArchiveHasNoNavigation) {
    TempFolder folder;
    const std::string pak = writeZip(folder.file("pak0.pk3"), {{"maps/q3dm17.bsp", "b"},
                                                               {"maps/Q3DM17.AAS", "a"},
                                                               {"maps/lonely.bsp", "b"},
                                                               {"maps/other.aas", "a"}});
    MapFiles catalogue;
    catalogue.push_back(mapFile("q3dm17.bsp", pak));
    catalogue.push_back(mapFile("lonely.bsp", pak));
    catalogue.push_back(mapFile("loose.bsp", ""));
    catalogue.push_back(mapFile("gone.bsp", folder.file("gone.pk3")));

    const std::string misc = writeZip(folder.file("misc.pk3"), {{"maps/elsewhere.aas", "a"}});
    catalogue.push_back(mapFile("elsewhere.bsp", pak));

    NavigationIndex index({pak, misc});
    EXPECT_EQ(index.navigation(*catalogue[4]), Navigation::Present)
        << "the game reads every archive";
    EXPECT_EQ(index.navigation(*catalogue[0]), Navigation::Present);
    EXPECT_EQ(index.navigation(*catalogue[1]), Navigation::Missing);
    EXPECT_EQ(index.navigation(*catalogue[2]), Navigation::Unknown);
    EXPECT_EQ(index.navigation(*catalogue[3]), Navigation::Unknown);

    const RosterBot bot{"Vexor", 3, ""};
    const auto rotation =
        listOf<RotationEntry>({withBots(rotationEntry("lonely", 1, 0, 0), 1), // no bots
                               withBots(rotationEntry("q3dm17", 1, 0, 0, {bot}), 0),
                               withBots(rotationEntry("lonely", 1, 0, 0, {bot}), 1),
                               withBots(rotationEntry("loose", 1, 0, 0, {bot}), 2),
                               withBots(rotationEntry("lonely", 3, 0, 0, {bot}), 1),
                               withBots(rotationEntry("stale", 1, 0, 0, {bot}), 9)});
    EXPECT_EQ(mapsWithoutNavigation(rotation, catalogue, index),
              std::vector<std::string>{"lonely"});
}

TEST(ModelIconTest, ReadsTheSkinsIconFromTheFirstArchiveHoldingOne) {
    TempFolder folder;
    folder.makeFolder("baseq3");
    // A 2 x 1 picture, blue then red, stored bottom-up.
    const std::string tga = tgaHeader({.width = 2, .height = 1}) + bytes({255, 0, 0, 0, 0, 255});
    writeZip(folder.file("baseq3/pak0.pk3"), {{"models/players/brute/icon_default.tga", "bad"},
                                              {"models/players/brute/Icon_Red.TGA", tga}});
    writeZip(folder.file("baseq3/pak1.pk3"),
             {{"models/players/brute/icon_default.jpg", encodeJpeg(8, 4)}});
    const std::vector<std::string> archives = {folder.file("baseq3/pak0.pk3"),
                                               folder.file("baseq3/pak1.pk3")};

    const QImage red = readModelIcon(archives, "brute", "red");
    ASSERT_EQ(red.size(), QSize(2, 1));
    EXPECT_EQ(red.pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
    // A damaged TGA gives way to a JPEG elsewhere.
    EXPECT_EQ(readModelIcon(archives, "brute", "default").size(), QSize(8, 4));
    EXPECT_TRUE(readModelIcon(archives, "brute", "blue").isNull());
    EXPECT_TRUE(readModelIcon(archives, "", "red").isNull());
    EXPECT_EQ(gameArchives({folder.path()}).size(), 2u);
    EXPECT_TRUE(gameArchives({""}).empty());
}
