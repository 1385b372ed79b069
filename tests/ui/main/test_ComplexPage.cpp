#include "core/setup/TextHelpers.h"
#include "support/AppFixture.h"
#include "support/GameFolder.h"
#include "support/ZipFixtures.h"
#include "ui/main/ComplexPage.h"

#include <QDialog>
#include <QPlainTextEdit>
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
    MapsGroup& maps() { return *mainWindow().complexPage->mapsGroup; }
    BotsGroup& bots() { return *mainWindow().complexPage->botsGroup; }
    void addMap(int catalogueIndex) {
        maps().mapCombo->setCurrentIndex(catalogueIndex);
        maps().showChosenMap();
        maps().addOrRemoveEntries();
    }
    void select(const std::vector<int>& rows, int focus) {
        maps().rotationList->clearSelection();
        for (int row : rows)
            maps().rotationList->item(row)->setSelected(true);
        maps().rotationList->setCurrentRow(focus, QItemSelectionModel::NoUpdate);
        maps().showCurrentEntry(true);
    }
    std::string line(int row) { return maps().rotationList->item(row)->text().toStdString(); }
    void addBots(int count) {
        for (int i = 0; i < count; ++i)
            bots().addOrRemoveBots();
    }
};

} // namespace

TEST_F(ComplexPageTest, StartUpDescribesTheFirstMapAndDisablesEditing) {
    EXPECT_EQ(maps().mapCombo->count(), 3);
    EXPECT_EQ(maps().mapInfoLabel->text(), "gorge1.bsp: Gorge");
    EXPECT_FALSE(maps().gameTypeCombo->isEnabled());
    EXPECT_FALSE(bots().addRemoveBotsButton->isEnabled());
    EXPECT_EQ(bots().botCombo->itemText(0), "Anvil") << "the bot list is sorted";
}

TEST_F(ComplexPageTest, AddingEntriesGivesDefaultGameTypesAndLines) {
    addMap(0);
    addMap(2); // capture the flag and tournament with one bot: tournament wins
    addMap(1);
    ASSERT_EQ(session->setup.rotation.size(), 3u);
    EXPECT_EQ(line(0), "gorge1" + spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(line(1), "duel1" + spaces(11) + "TNY  FL=0  TL=20");
    EXPECT_EQ(line(2), "flags1" + spaces(10) + "CTF  CL=0  TL=20");
    EXPECT_TRUE(maps().gameTypeCombo->isEnabled());
    EXPECT_TRUE(bots().addRemoveBotsButton->isEnabled());
    EXPECT_TRUE(maps().rotationList->selectedItems().isEmpty()) << "new entries are not selected";

    // The tournament entry of a capture-the-flag arena offers what it is.
    select({1}, 1);
    EXPECT_EQ(maps().gameTypeCombo->count(), 3);
    EXPECT_EQ(maps().gameTypeCombo->currentText(), "Tournament");
    select({2}, 2);
    EXPECT_EQ(maps().gameTypeCombo->count(), 1);
    EXPECT_EQ(maps().fragLimitLabel->text(), "Capture Limit");
    EXPECT_TRUE(bots().teamCombo->isEnabled());
}

TEST_F(ComplexPageTest, SelectionEditsKeepTheSelectionAndShowingStoresNothing) {
    addMap(0);
    addMap(0);
    addMap(0);
    select({0}, 0);
    maps().fragLimitSpin->setValue(10);
    select({0, 1}, 1); // adding the second to the selection shows its own limits
    EXPECT_EQ(maps().fragLimitSpin->value(), 0);
    EXPECT_EQ(session->setup.rotation[0]->fragLimit, 10);

    select({0, 1, 2}, 2);
    maps().fragLimitSpin->setValue(100);
    maps().timeLimitSpin->setValue(5);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(line(row), "gorge1" + spaces(10) + "DM   FL=100TL=5");
        EXPECT_TRUE(maps().rotationList->item(row)->isSelected());
    }
    maps().gameTypeCombo->setCurrentIndex(2);
    maps().applyGameType();
    EXPECT_EQ(session->setup.rotation[1]->gameType, TeamDeathmatch);
    EXPECT_TRUE(bots().teamCombo->isEnabled());

    // Choosing a map deselects every entry, so Add/Remove adds.
    maps().showChosenMap();
    EXPECT_TRUE(maps().rotationList->selectedItems().isEmpty());
}

TEST_F(ComplexPageTest, RemovingEveryEntryDisablesTheControls) {
    addMap(0);
    addMap(1);
    select({0, 1}, 0);
    maps().addOrRemoveEntries();
    EXPECT_TRUE(session->setup.rotation.empty());
    EXPECT_EQ(maps().rotationList->count(), 0);
    EXPECT_FALSE(maps().fragLimitSpin->isEnabled());
    EXPECT_FALSE(bots().rosterList->isEnabled());
}

TEST_F(ComplexPageTest, HandBuiltRosterStopsAtSeventeenAndRemovalMovesBotsUp) {
    addMap(0);
    select({0}, 0);
    addBots(20);
    EXPECT_EQ(session->setup.rotation[0]->botCount, 17);
    EXPECT_EQ(bots().rosterList->count(), 17);
    EXPECT_EQ(bots().rosterList->item(0)->text(), "Anvil     I Can Win") << "no team column";

    RotationEntry& entry = *session->setup.rotation[0];
    entry.botCount = 4;
    entry.bots[0].name = "A";
    entry.bots[1].name = "B";
    entry.bots[2].name = "C";
    entry.bots[3].name = "D";
    maps().showCurrentEntry(false);
    bots().rosterList->item(0)->setSelected(true);
    bots().rosterList->item(2)->setSelected(true);
    bots().addOrRemoveBots();
    EXPECT_EQ(entry.botCount, 2);
    EXPECT_EQ(entry.bots[0].name, "B");
    EXPECT_EQ(entry.bots[1].name, "D");
    EXPECT_EQ(bots().rosterList->count(), 2);
}

TEST_F(ComplexPageTest, RandomBotsFillUpToSixteenAndBalanceTeams) {
    addMap(1); // capture the flag
    select({0}, 0);
    RotationEntry& entry = *session->setup.rotation[0];
    entry.bots[0] = {"X", 1, "Blue"};
    entry.bots[1] = {"Y", 1, "Blue"};
    entry.bots[2] = {"Z", 1, "Red"};
    entry.botCount = 3;
    maps().showCurrentEntry(false);
    bots().randomBotCountSpin->setValue(3);
    bots().randomTeamCombo->setCurrentIndex(0); // Random
    bots().addRandomBotsToSelected();
    ASSERT_EQ(entry.botCount, 6);
    EXPECT_EQ(entry.bots[3].team, "Red");
    EXPECT_EQ(entry.bots[4].team, "Red");
    EXPECT_EQ(entry.bots[5].team, "Blue");
    EXPECT_EQ(bots().rosterList->count(), 6);

    entry.botCount = 14;
    maps().showCurrentEntry(false);
    bots().randomBotCountSpin->setValue(4);
    bots().addRandomBotsToSelected();
    EXPECT_EQ(entry.botCount, 16);
    bots().addRandomBotsToSelected();
    EXPECT_EQ(entry.botCount, 16);
}

TEST_F(ComplexPageTest, RandomBotsGoToEverySelectedEntry) {
    addMap(0);
    addMap(0);
    select({0}, 0);
    maps().timeLimitSpin->setValue(15);
    select({0, 1}, 1);
    bots().randomBotCountSpin->setValue(2);
    bots().addRandomBotsToSelected();
    EXPECT_EQ(session->setup.rotation[0]->botCount, 2);
    EXPECT_EQ(session->setup.rotation[1]->botCount, 2);
    EXPECT_EQ(session->setup.rotation[0]->bots[0].team, "None");
    EXPECT_EQ(session->setup.rotation[0]->timeLimit, 15) << "showing an entry changes no limits";
    EXPECT_EQ(session->setup.rotation[1]->timeLimit, 20);
}

TEST_F(ComplexPageTest, BotsGoToTheEntryShownNeverToARemovedOne) {
    addMap(0);
    select({0}, 0);
    addMap(1); // the new entry becomes current and its (empty) roster is shown
    EXPECT_EQ(bots().rosterList->count(), 0);
    addBots(1);
    EXPECT_EQ(session->setup.rotation[0]->botCount, 0);
    EXPECT_EQ(session->setup.rotation[1]->botCount, 1);
    EXPECT_EQ(session->setup.rotation[1]->bots[0].team, "Blue") << "a team game gives a team";

    select({1}, 1);
    maps().addOrRemoveEntries(); // removes the shown entry; one entry remains
    addBots(1);
    EXPECT_EQ(session->setup.rotation.size(), 1u);
    EXPECT_EQ(session->setup.rotation[0]->botCount, 0);
}

TEST_F(ComplexPageTest, PlayWritesTheScriptAndStartsTheGameInItsFolder) {
    addMap(0);
    select({0}, 0);
    addBots(1);
    mainWindow().complexPage->playButton->click();
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

TEST_F(ComplexPageTest, PlayWithoutAMapOrBaseq3SaysSoAndStartsNothing) {
    mainWindow().complexPage->playButton->click();
    addMap(0);
    std::filesystem::remove_all(game.dir.file("baseq3"));
    mainWindow().complexPage->playButton->click();
    std::string folder = game.path();
    folder.pop_back();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The rotation holds no map to play!",
                                                          "The game folder " + folder +
                                                              " holds no data folder baseq3."}));
    EXPECT_FALSE(game.ran());
}

TEST_F(ComplexPageTest, UnsafeBotNameIsRefusedBeforeAnythingIsWritten) {
    session->setup.catalogue.addBotName("Evil;quit");
    bots().showBotNames();
    addMap(0);
    select({0}, 0);
    bots().botCombo->setCurrentText("Evil;quit");
    bots().addChosenBot();
    mainWindow().complexPage->playButton->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{
                                    "The bot name \"Evil;quit\" must not contain a semicolon!"}));
    EXPECT_FALSE(fileExists(game.dir.file("baseq3/velkarn.cfg")));
}

TEST_F(ComplexPageTest, GameFolderWithoutTheGameSaysSoAfterWritingTheScript) {
    std::filesystem::remove(game.dir.file("quake3"));
    addMap(0);
    mainWindow().complexPage->playButton->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Quake 3 Executable not found!"}));
    EXPECT_TRUE(game.scriptWritten());
}

namespace {

// Two maps found in the game folder: lonely's archive has no navigation file, fine's has one.
class NavigationTest : public ComplexPageTest {
protected:
    void SetUp() override {
        writeZip(game.dir.file("baseq3/lonely.pk3"), {{"maps/lonely.bsp", "b"}});
        writeZip(game.dir.file("baseq3/fine.pk3"),
                 {{"maps/fine.bsp", "b"}, {"maps/fine.aas", "a"}});
        ComplexPageTest::SetUp();
    }
    void addWithBot(const char* map) {
        addMap(maps().mapCombo->findText(map));
        addBots(1);
    }
};

} // namespace

TEST_F(NavigationTest, PlayAsksBeforeBotsStandStillAndScriptShowsWithoutWriting) {
    addWithBot("fine");
    addWithBot("lonely");
    EXPECT_TRUE(maps().rotationList->item(0)->toolTip().isEmpty());
    EXPECT_FALSE(maps().rotationList->item(1)->toolTip().isEmpty()) << "lonely is marked";

    QString shown;
    dialogs.onModal = [&](QDialog& window) {
        shown = window.findChild<QPlainTextEdit*>("scriptText")->toPlainText();
    };
    mainWindow().complexPage->scriptButton->click();
    EXPECT_EQ(dialogs.modalWindows.back(), "scriptPreviewWindow");
    EXPECT_TRUE(shown.contains(QString::fromStdString(game.path() + "quake3 +exec velkarn")));
    EXPECT_TRUE(shown.contains("set m1 \"set g_gametype 0;set fraglimit 0;set timelimit 20;"
                               "map lonely;kick "));
    EXPECT_TRUE(dialogs.questions.empty()) << "a look asks nothing";
    EXPECT_FALSE(game.scriptWritten());

    dialogs.yesNoAnswers = {false};
    mainWindow().complexPage->playButton->click();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find(": lonely. Play all the same?"), std::string::npos);
    EXPECT_FALSE(game.scriptWritten());

    mainWindow().complexPage->playButton->click(); // Yes
    EXPECT_TRUE(game.ran());
}
