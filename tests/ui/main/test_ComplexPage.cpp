#include "core/setup/TextHelpers.h"
#include "support/AppFixture.h"
#include "support/GameFolder.h"
#include "ui/main/ComplexPage.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// A catalogue of gorge1 (free for all), flags1 (capture the flag) and duel1 (capture the flag
// and tournament with one bot), a few bots, and a game folder with the fake game.
class ComplexPageTest : public AppFixture {
protected:
    GameFolder game{true};

    void SetUp() override {
        app.write("path.txt", game.path() + "\r\n\r\n");
        app.write("maps.txt", mapRecord("gorge1.bsp", "Gorge", 0, true, false, false, false) +
                                  mapRecord("flags1.bsp", "Flags", 3, false, false, true, true) +
                                  mapRecord("duel1.bsp", "Duel", 1, false, true, false, true));
        app.write("bots.txt", "Vexor\r\nKrag\r\nAnvil\r\n");
        start();
    }
    MapsGroup& maps() { return *main().complexPage->gbMaps; }
    BotsGroup& bots() { return *main().complexPage->gbBots; }
    void addMap(int catalogueIndex) {
        maps().cbMap->setCurrentIndex(catalogueIndex);
        maps().cbMapChange();
        maps().butAddRemoveMapsClick();
    }
    void select(const std::vector<int>& rows, int focus) {
        maps().lbMaps->clearSelection();
        for (int row : rows)
            maps().lbMaps->item(row)->setSelected(true);
        maps().lbMaps->setCurrentRow(focus, QItemSelectionModel::NoUpdate);
        maps().lbMapsClick(true);
    }
    std::string line(int row) { return maps().lbMaps->item(row)->text().toStdString(); }
    void addBots(int count) {
        for (int i = 0; i < count; ++i)
            bots().butAddRemoveBotsClick();
    }
};

} // namespace

TEST_F(ComplexPageTest, StartUpDescribesTheFirstMapAndDisablesEditing) {
    EXPECT_EQ(maps().cbMap->count(), 3);
    EXPECT_EQ(maps().lbMapInfo->text(), "gorge1.bsp: Gorge");
    EXPECT_FALSE(maps().cbGameType->isEnabled());
    EXPECT_FALSE(bots().butAddRemoveBots->isEnabled());
    EXPECT_EQ(bots().cbBot->itemText(0), "Anvil") << "the bot list is sorted";
}

TEST_F(ComplexPageTest, AddingEntriesGivesDefaultGameTypesAndLines) {
    addMap(0);
    addMap(2); // capture the flag and tournament with one bot: tournament wins
    addMap(1);
    ASSERT_EQ(main().model.MapList.size(), 3u);
    EXPECT_EQ(line(0), "gorge1" + Spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(line(1), "duel1" + Spaces(11) + "TNY  FL=0  TL=20");
    EXPECT_EQ(line(2), "flags1" + Spaces(10) + "CTF  CL=0  TL=20");
    EXPECT_TRUE(maps().cbGameType->isEnabled());
    EXPECT_TRUE(bots().butAddRemoveBots->isEnabled());
    EXPECT_TRUE(maps().lbMaps->selectedItems().isEmpty()) << "new entries are not selected";

    // The tournament entry of a capture-the-flag arena offers what it is.
    select({1}, 1);
    EXPECT_EQ(maps().cbGameType->count(), 3);
    EXPECT_EQ(maps().cbGameType->currentText(), "Tournament");
    select({2}, 2);
    EXPECT_EQ(maps().cbGameType->count(), 1);
    EXPECT_EQ(maps().lbFragLimit->text(), "Capture Limit");
    EXPECT_TRUE(bots().cbTeam->isEnabled());
}

TEST_F(ComplexPageTest, SelectionEditsKeepTheSelectionAndShowingStoresNothing) {
    addMap(0);
    addMap(0);
    addMap(0);
    select({0}, 0);
    maps().spFragLimit->setValue(10);
    select({0, 1}, 1); // adding the second to the selection shows its own limits
    EXPECT_EQ(maps().spFragLimit->value(), 0);
    EXPECT_EQ(main().model.MapList[0]->FragLimit, 10);

    select({0, 1, 2}, 2);
    maps().spFragLimit->setValue(100);
    maps().spTimeLimit->setValue(5);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(line(row), "gorge1" + Spaces(10) + "DM   FL=100TL=5");
        EXPECT_TRUE(maps().lbMaps->item(row)->isSelected());
    }
    maps().cbGameType->setCurrentIndex(2);
    maps().cbGameTypeChange();
    EXPECT_EQ(main().model.MapList[1]->GameType, TeamDeathmatch);
    EXPECT_TRUE(bots().cbTeam->isEnabled());

    // Choosing a map deselects every entry, so Add/Remove adds.
    maps().cbMapChange();
    EXPECT_TRUE(maps().lbMaps->selectedItems().isEmpty());
}

TEST_F(ComplexPageTest, RemovingEveryEntryDisablesTheControls) {
    addMap(0);
    addMap(1);
    select({0, 1}, 0);
    maps().butAddRemoveMapsClick();
    EXPECT_TRUE(main().model.MapList.empty());
    EXPECT_EQ(maps().lbMaps->count(), 0);
    EXPECT_FALSE(maps().spFragLimit->isEnabled());
    EXPECT_FALSE(bots().lbBots->isEnabled());
}

TEST_F(ComplexPageTest, HandBuiltRosterStopsAtSeventeenAndRemovalMovesBotsUp) {
    addMap(0);
    select({0}, 0);
    addBots(20);
    EXPECT_EQ(main().model.MapList[0]->BotCount, 17);
    EXPECT_EQ(bots().lbBots->count(), 17);
    EXPECT_EQ(bots().lbBots->item(0)->text(), "Anvil     I Can Win") << "no team column";

    AMap& entry = *main().model.MapList[0];
    entry.BotCount = 4;
    entry.Bots[0].Name = "A";
    entry.Bots[1].Name = "B";
    entry.Bots[2].Name = "C";
    entry.Bots[3].Name = "D";
    maps().lbMapsClick(false);
    bots().lbBots->item(0)->setSelected(true);
    bots().lbBots->item(2)->setSelected(true);
    bots().butAddRemoveBotsClick();
    EXPECT_EQ(entry.BotCount, 2);
    EXPECT_EQ(entry.Bots[0].Name, "B");
    EXPECT_EQ(entry.Bots[1].Name, "D");
    EXPECT_EQ(bots().lbBots->count(), 2);
}

TEST_F(ComplexPageTest, RandomBotsFillUpToSixteenAndBalanceTeams) {
    addMap(1); // capture the flag
    select({0}, 0);
    AMap& entry = *main().model.MapList[0];
    entry.Bots[0] = {"X", 1, "Blue"};
    entry.Bots[1] = {"Y", 1, "Blue"};
    entry.Bots[2] = {"Z", 1, "Red"};
    entry.BotCount = 3;
    maps().lbMapsClick(false);
    bots().spNumRan->setValue(3);
    bots().cbRanTeam->setCurrentIndex(0); // Random
    bots().butAddRanClick();
    ASSERT_EQ(entry.BotCount, 6);
    EXPECT_EQ(entry.Bots[3].Team, "Red");
    EXPECT_EQ(entry.Bots[4].Team, "Red");
    EXPECT_EQ(entry.Bots[5].Team, "Blue");
    EXPECT_EQ(bots().lbBots->count(), 6);

    entry.BotCount = 14;
    maps().lbMapsClick(false);
    bots().spNumRan->setValue(4);
    bots().butAddRanClick();
    EXPECT_EQ(entry.BotCount, 16);
    bots().butAddRanClick();
    EXPECT_EQ(entry.BotCount, 16);
}

TEST_F(ComplexPageTest, RandomBotsGoToEverySelectedEntry) {
    addMap(0);
    addMap(0);
    select({0}, 0);
    maps().spTimeLimit->setValue(15);
    select({0, 1}, 1);
    bots().spNumRan->setValue(2);
    bots().butAddRanClick();
    EXPECT_EQ(main().model.MapList[0]->BotCount, 2);
    EXPECT_EQ(main().model.MapList[1]->BotCount, 2);
    EXPECT_EQ(main().model.MapList[0]->Bots[0].Team, "None");
    EXPECT_EQ(main().model.MapList[0]->TimeLimit, 15) << "showing an entry changes no limits";
    EXPECT_EQ(main().model.MapList[1]->TimeLimit, 20);
}

TEST_F(ComplexPageTest, BotsGoToTheEntryShownNeverToARemovedOne) {
    addMap(0);
    select({0}, 0);
    addMap(1); // the new entry becomes current and its (empty) roster is shown
    EXPECT_EQ(bots().lbBots->count(), 0);
    addBots(1);
    EXPECT_EQ(main().model.MapList[0]->BotCount, 0);
    EXPECT_EQ(main().model.MapList[1]->BotCount, 1);
    EXPECT_EQ(main().model.MapList[1]->Bots[0].Team, "Blue") << "a team game gives a team";

    select({1}, 1);
    maps().butAddRemoveMapsClick(); // removes the shown entry; one entry remains
    addBots(1);
    EXPECT_EQ(main().model.MapList.size(), 1u);
    EXPECT_EQ(main().model.MapList[0]->BotCount, 0);
}

TEST_F(ComplexPageTest, PlayWritesTheScriptAndStartsTheGameInItsFolder) {
    addMap(0);
    select({0}, 0);
    addBots(1);
    main().complexPage->butPlay->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(game.script(), "name \r\nseta model /\r\ncl_timenudge 0\r\nsv_maxclients 16\r\n"
                             "set g_gametype 0\r\nset fraglimit 0\r\nset timelimit 20\r\n"
                             "map gorge1\r\naddbot Anvil 1\r\n");
    const Lines run = game.run();
    ASSERT_EQ(run.size(), 3u);
    EXPECT_EQ(withTrailingSlash(run[0]), game.path());
    EXPECT_EQ(run[1], "+exec");
    EXPECT_EQ(run[2], "velkarn");
}

TEST_F(ComplexPageTest, PlayWithoutBaseq3ShowsTheFileErrorAndStartsNothing) {
    std::filesystem::remove_all(game.dir.file("baseq3"));
    main().complexPage->butPlay->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Invalid filename"}));
    EXPECT_FALSE(game.ran());
}

TEST_F(ComplexPageTest, UnsafeBotNameIsRefusedBeforeAnythingIsWritten) {
    main().model.catalogue.addBotName("Evil;quit");
    bots().showBotNames();
    addMap(0);
    select({0}, 0);
    bots().cbBot->setCurrentText("Evil;quit");
    bots().butAddBotClick();
    main().complexPage->butPlay->click();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "The bot name must not contain a semicolon, a double quote or a control "
                  "character!"}));
    EXPECT_FALSE(fileExists(game.dir.file("baseq3/velkarn.cfg")));
}

TEST_F(ComplexPageTest, GameFolderWithoutTheGameSaysSoAfterWritingTheScript) {
    std::filesystem::remove(game.dir.file("quake3"));
    main().complexPage->butPlay->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Quake 3 Executable not found!"}));
    EXPECT_TRUE(game.scriptWritten());
}
