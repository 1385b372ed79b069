#include "core/content/ModelChoice.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

void addModel(Catalogue& catalogue, const std::string& name, std::vector<std::string> skins) {
    catalogue.playerModels.push_back(std::make_unique<PlayerModel>());
    PlayerModel& model = *catalogue.playerModels.back();
    model.name = name;
    for (const auto& skin : skins)
        model.skins[model.skinCount++] = skin;
}

} // namespace

TEST(ModelChoiceTest, ExactNamesWinElseTheFirstInSortedOrder) {
    Catalogue catalogue;
    EXPECT_EQ(chooseModelAndSkin(catalogue, "x", "y"),
              std::make_pair(std::string("x"), std::string("y")));
    addModel(catalogue, "visor", {"default", "red"});
    addModel(catalogue, "Anarki", {"blue", "default"});
    addModel(catalogue, "zed", {"green"});

    EXPECT_EQ(chooseModelAndSkin(catalogue, "zed", "green"),
              std::make_pair(std::string("zed"), std::string("green")));
    EXPECT_EQ(chooseModelAndSkin(catalogue, "visor", "red"),
              std::make_pair(std::string("visor"), std::string("red")));
    EXPECT_EQ(chooseModelAndSkin(catalogue, "VISOR", "red"), // case counts
              std::make_pair(std::string("Anarki"), std::string("blue")));
    EXPECT_EQ(chooseModelAndSkin(catalogue, "visor", "Red"),
              std::make_pair(std::string("visor"), std::string("default")));
}
