#include "core/content/CatalogueFiles.h"
#include "core/content/PlayerModels.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using velkarn::test::TempFolder;

namespace {

std::vector<std::string> skinsOf(const PlayerModel& model) {
    return {model.skins.begin(), model.skins.begin() + model.skinCount};
}

Catalogue modelsFrom(const std::string& text) {
    TempFolder dir;
    dir.write("models.txt", text);
    Catalogue catalogue;
    readModelsFile(dir.file("models.txt"), catalogue);
    return catalogue;
}

} // namespace

TEST(ModelsFile, BlocksOfNameSkinsAndEnd) {
    const Catalogue c = modelsFrom("sarge\r\n default\r\n red\r\nEND\r\nKeel\n blue\nEND\n");
    ASSERT_EQ(c.playerModels.size(), 2u);
    EXPECT_EQ(c.playerModels[0]->name, "sarge");
    EXPECT_EQ(skinsOf(*c.playerModels[0]), (std::vector<std::string>{"default", "red"}));
    EXPECT_EQ(c.playerModels[1]->name, "Keel");
    EXPECT_EQ(skinsOf(*c.playerModels[1]), std::vector<std::string>{"blue"});
    EXPECT_TRUE(modelsFrom("").playerModels.empty());
}

TEST(PlayerModels, LoadOnlyWhenPresent) {
    TempFolder dir;
    Catalogue catalogue;
    EXPECT_FALSE(loadModelsFile(dir.file("models.txt"), catalogue));
    EXPECT_TRUE(catalogue.playerModels.empty());
    dir.write("models.txt", "sarge\r\n default\r\nEND\r\n");
    EXPECT_TRUE(loadModelsFile(dir.file("models.txt"), catalogue));
    EXPECT_EQ(catalogue.playerModels.size(), 1u);
}

TEST(PlayerModels, SkinsOfTheModelWithTheExactName) {
    const Catalogue c = modelsFrom("Sarge\r\n big\r\nEND\r\nsarge\r\n small\r\n tiny\r\nEND\r\n");
    EXPECT_FALSE(skinsForModel(c, "").has_value());
    EXPECT_EQ(skinsForModel(c, "Sarge"), std::vector<std::string>{"big"});
    EXPECT_EQ(skinsForModel(c, "sarge"), (std::vector<std::string>{"small", "tiny"}));
    EXPECT_EQ(skinsForModel(c, "SARGE"), std::vector<std::string>{});
}
