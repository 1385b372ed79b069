#include "core/setup/TextHelpers.h"
#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/GameFolder.h"
#include "support/ZipFixtures.h"

#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// A game folder with the fake game and an archive of gorge1 (deathmatch), flags1 (capture the
// flag) and duel1 (capture the flag and tournament with one bot) and a few bots.
class ComplexPageTest : public AppFixture {
protected:
    GameFolder game{true};

    void SetUp() override {
        app.write("path.txt", game.path() + "\r\n\r\n");
        writeContentArchive(game.dir.file("baseq3/content.pk3"),
                            {{"gorge1", "Gorge", 0, "ffa"},
                             {"flags1", "Flags", 3, "team ctf"},
                             {"duel1", "Duel", 1, "tourney ctf"}},
                            {"Vexor", "Krag", "Anvil"});
        start();
    }
    QWidget& page() { return child<QWidget>(mainWindow(), "complexTab"); }
    template <typename Control> Control& control(const char* name) {
        return child<Control>(page(), name);
    }
    QListView& rotationList() { return control<QListView>("rotationList"); }
    QListView& rosterList() { return control<QListView>("rosterList"); }
    void click(const char* button) { control<QPushButton>(button).click(); }
    void addMap(const char* map) {
        choose(control<QComboBox>("mapCombo"), map);
        click("addRemoveMapsButton");
    }
    void select(const std::vector<int>& rows, int focus) {
        selectRows(rotationList(), rows, focus);
    }
    std::string line(int row) { return rowText(rotationList(), row); }
    void addBots(int count) {
        for (int i = 0; i < count; ++i)
            click("addRemoveBotsButton");
    }
    const RotationEntry& entry(std::size_t i) { return *session->setup.rotation.at(i); }
};

} // namespace

TEST_F(ComplexPageTest, StartUpDescribesTheFirstMapAndDisablesEditing) {
    QComboBox& maps = control<QComboBox>("mapCombo");
    EXPECT_EQ(maps.count(), 3);
    EXPECT_EQ(maps.itemText(0), "duel1") << "the maps are sorted by name";
    EXPECT_EQ(control<QLabel>("mapInfoLabel").text(), "duel1.bsp: Duel");
    EXPECT_FALSE(control<QComboBox>("gameTypeCombo").isEnabled());
    EXPECT_FALSE(control<QPushButton>("addRemoveBotsButton").isEnabled());
    EXPECT_EQ(control<QComboBox>("botCombo").itemText(0), "Anvil") << "the bot list is sorted";
}

TEST_F(ComplexPageTest, AddingEntriesGivesDefaultGameTypesAndLines) {
    addMap("gorge1");
    addMap("duel1"); // capture the flag and tournament with one bot: tournament wins
    addMap("flags1");
    ASSERT_EQ(session->setup.rotation.size(), 3u);
    EXPECT_EQ(line(0), "gorge1" + spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(line(1), "duel1" + spaces(11) + "TNY  FL=0  TL=20");
    EXPECT_EQ(line(2), "flags1" + spaces(10) + "CTF  CL=0  TL=20");
    EXPECT_TRUE(control<QComboBox>("gameTypeCombo").isEnabled());
    EXPECT_TRUE(control<QPushButton>("addRemoveBotsButton").isEnabled());
    EXPECT_FALSE(rotationList().selectionModel()->hasSelection()) << "new entries are not selected";

    // The tournament entry of a capture-the-flag arena offers what it is.
    select({1}, 1);
    EXPECT_EQ(control<QComboBox>("gameTypeCombo").count(), 3);
    EXPECT_EQ(control<QComboBox>("gameTypeCombo").currentText(), "Tournament");
    select({2}, 2);
    EXPECT_EQ(control<QComboBox>("gameTypeCombo").count(), 1);
    EXPECT_EQ(control<QLabel>("fragLimitLabel").text(), "Capture &Limit");
    EXPECT_TRUE(control<QComboBox>("teamCombo").isEnabled());
}

// Whatever is shown agrees: the selected entry's map in the map box, its picture's title, its
// game type, limits and bots.
TEST_F(ComplexPageTest, TheShownEntryMapTitleLimitsAndBotsAlwaysAgree) {
    addMap("flags1");
    addBots(2);
    addMap("gorge1");
    select({0}, 0);
    EXPECT_EQ(control<QComboBox>("mapCombo").currentText(), "flags1");
    EXPECT_EQ(control<QLabel>("mapInfoLabel").text(), "flags1.bsp: Flags");
    EXPECT_EQ(rowCount(rosterList()), 2);
    select({1}, 1);
    EXPECT_EQ(control<QComboBox>("mapCombo").currentText(), "gorge1");
    EXPECT_EQ(control<QLabel>("mapInfoLabel").text(), "gorge1.bsp: Gorge");
    EXPECT_EQ(rowCount(rosterList()), 0);

    // A search keeps what is shown, and a rotation read from a file shows its first entry.
    session->catalogueRebuilt();
    EXPECT_EQ(control<QLabel>("mapInfoLabel").text(), "gorge1.bsp: Gorge");
    EXPECT_EQ(control<QComboBox>("mapCombo").currentText(), "gorge1");
    session->writeSetup("two.vkn", nullptr);
    choose(control<QComboBox>("mapCombo"), "duel1");
    SetupReadResult read;
    session->loadSetup("two.vkn", read);
    ASSERT_TRUE(rotationList().selectionModel()->isRowSelected(0, {}));
    EXPECT_EQ(control<QComboBox>("mapCombo").currentText(), "flags1");
    EXPECT_EQ(control<QLabel>("mapInfoLabel").text(), "flags1.bsp: Flags");
    EXPECT_EQ(control<QComboBox>("gameTypeCombo").currentText(), "Capture The Flag");
    EXPECT_EQ(rowCount(rosterList()), 2);
}

TEST_F(ComplexPageTest, SelectionEditsKeepTheSelectionAndShowingStoresNothing) {
    addMap("gorge1");
    addMap("gorge1");
    addMap("gorge1");
    select({0}, 0);
    control<QSpinBox>("fragLimitSpin").setValue(10);
    select({0, 1}, 1); // adding the second to the selection shows its own limits
    EXPECT_EQ(control<QSpinBox>("fragLimitSpin").value(), 0);
    EXPECT_EQ(entry(0).fragLimit, 10);

    select({0, 1, 2}, 2);
    control<QSpinBox>("fragLimitSpin").setValue(100);
    control<QSpinBox>("timeLimitSpin").setValue(5);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(line(row), "gorge1" + spaces(10) + "DM   FL=100TL=5");
        EXPECT_TRUE(rotationList().selectionModel()->isRowSelected(row, {}));
    }
    choose(control<QComboBox>("gameTypeCombo"), 2);
    EXPECT_EQ(entry(1).gameType, TeamDeathmatch);
    EXPECT_TRUE(control<QComboBox>("teamCombo").isEnabled());

    // Choosing a map deselects every entry, so Add/Remove adds.
    choose(control<QComboBox>("mapCombo"), "duel1");
    EXPECT_FALSE(rotationList().selectionModel()->hasSelection());
}

TEST_F(ComplexPageTest, RemovingEveryEntryDisablesTheControls) {
    addMap("gorge1");
    addMap("flags1");
    select({0, 1}, 0);
    click("addRemoveMapsButton");
    EXPECT_TRUE(session->setup.rotation.empty());
    EXPECT_EQ(rowCount(rotationList()), 0);
    EXPECT_FALSE(control<QSpinBox>("fragLimitSpin").isEnabled());
    EXPECT_FALSE(rosterList().isEnabled());
}

TEST_F(ComplexPageTest, HandBuiltRosterStopsAtSeventeenAndRemovalMovesBotsUp) {
    addMap("gorge1");
    select({0}, 0);
    addBots(20);
    EXPECT_EQ(entry(0).botCount, 17);
    EXPECT_EQ(rowCount(rosterList()), 17);
    EXPECT_EQ(rowText(rosterList(), 0), "Anvil     I Can Win") << "no team column";

    RotationEntry& worked = *session->setup.rotation[0];
    worked.botCount = 4;
    worked.bots[0].name = "A";
    worked.bots[1].name = "B";
    worked.bots[2].name = "C";
    worked.bots[3].name = "D";
    select({0}, 0);
    selectRows(rosterList(), {0, 2}, 0);
    click("addRemoveBotsButton");
    EXPECT_EQ(worked.botCount, 2);
    EXPECT_EQ(worked.bots[0].name, "B");
    EXPECT_EQ(worked.bots[1].name, "D");
    EXPECT_EQ(rowCount(rosterList()), 2);
}

TEST_F(ComplexPageTest, RandomBotsFillUpToSixteenAndBalanceTeams) {
    addMap("flags1"); // capture the flag
    RotationEntry& worked = *session->setup.rotation[0];
    worked.bots[0] = {"X", 1, "Blue"};
    worked.bots[1] = {"Y", 1, "Blue"};
    worked.bots[2] = {"Z", 1, "Red"};
    worked.botCount = 3;
    select({0}, 0);
    control<QSpinBox>("randomBotCountSpin").setValue(3);
    choose(control<QComboBox>("randomTeamCombo"), "Random");
    click("addRandomBotsButton");
    ASSERT_EQ(worked.botCount, 6);
    EXPECT_EQ(worked.bots[3].team, "Red");
    EXPECT_EQ(worked.bots[4].team, "Red");
    EXPECT_EQ(worked.bots[5].team, "Blue");
    EXPECT_EQ(rowCount(rosterList()), 6);

    worked.botCount = 14;
    control<QSpinBox>("randomBotCountSpin").setValue(4);
    click("addRandomBotsButton");
    EXPECT_EQ(worked.botCount, 16);
    click("addRandomBotsButton");
    EXPECT_EQ(worked.botCount, 16);
}

TEST_F(ComplexPageTest, RandomBotsGoToEverySelectedEntry) {
    addMap("gorge1");
    addMap("gorge1");
    select({0}, 0);
    control<QSpinBox>("timeLimitSpin").setValue(15);
    select({0, 1}, 1);
    control<QSpinBox>("randomBotCountSpin").setValue(2);
    click("addRandomBotsButton");
    EXPECT_EQ(entry(0).botCount, 2);
    EXPECT_EQ(entry(1).botCount, 2);
    EXPECT_EQ(entry(0).bots[0].team, "None");
    EXPECT_EQ(entry(0).timeLimit, 15) << "showing an entry changes no limits";
    EXPECT_EQ(entry(1).timeLimit, 20);
}

TEST_F(ComplexPageTest, RandomBotsWithNothingSelectedGoToTheEntryShown) {
    addMap("gorge1");
    addMap("gorge1");
    rotationList().clearSelection();
    control<QSpinBox>("randomBotCountSpin").setValue(3);
    click("addRandomBotsButton");
    EXPECT_EQ(entry(0).botCount, 0);
    EXPECT_EQ(entry(1).botCount, 3) << "the entry just added is the one on show";
}

TEST_F(ComplexPageTest, BotsGoToTheEntryShownNeverToARemovedOne) {
    addMap("gorge1");
    select({0}, 0);
    addMap("flags1"); // the new entry becomes current and its (empty) roster is shown
    EXPECT_EQ(rowCount(rosterList()), 0);
    addBots(1);
    EXPECT_EQ(entry(0).botCount, 0);
    EXPECT_EQ(entry(1).botCount, 1);
    EXPECT_EQ(entry(1).bots[0].team, "Blue") << "a team game gives a team";

    select({1}, 1);
    click("addRemoveMapsButton"); // removes the shown entry; one entry remains
    addBots(1);
    EXPECT_EQ(session->setup.rotation.size(), 1u);
    EXPECT_EQ(entry(0).botCount, 0);
}

TEST_F(ComplexPageTest, PlayWritesTheScriptAndStartsTheGameInItsFolder) {
    addMap("gorge1");
    select({0}, 0);
    addBots(1);
    click("playButton");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(
        game.script(),
        "name \r\nseta model /\r\ncl_timenudge 0\r\ncl_autoRecordDemo 0\r\nsv_maxclients 16\r\n"
        "set g_gametype 0\r\nset fraglimit 0\r\nset timelimit 20\r\n"
        "map gorge1\r\naddbot Anvil 1\r\n");
    const Lines run = game.run();
    ASSERT_EQ(run.size(), 3u);
    EXPECT_EQ(withTrailingSlash(run[0]), game.path());
    EXPECT_EQ(run[1], "+exec");
    EXPECT_EQ(run[2], "velkarn");
}

TEST_F(ComplexPageTest, PlayWithoutAMapOrBaseq3SaysSoAndStartsNothing) {
    click("playButton");
    addMap("gorge1");
    std::filesystem::remove_all(game.dir.file("baseq3"));
    click("playButton");
    std::string folder = game.path();
    folder.pop_back();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The rotation holds no map to play!",
                                                          "The game folder " + folder +
                                                              " holds no data folder baseq3."}));
    EXPECT_FALSE(game.ran());
}

// Only a bot the game defines reaches the script, and none whose name could act there.
TEST_F(ComplexPageTest, ABotTheGameDoesNotDefineIsLeftOut) {
    addMap("gorge1");
    RotationEntry& worked = *session->setup.rotation[0];
    worked.bots[0] = {"Evil;quit", 1, ""};
    worked.botCount = 1;
    click("playButton");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
    EXPECT_EQ(game.dir.read("baseq3/velkarn.cfg").find("Evil"), std::string::npos);
}

// The desktop game restarts a Tournament map for ever: the page says so before Play.
TEST_F(ComplexPageTest, ATournamentAmongOtherEntriesIsSaidBeforePlay) {
    auto& note = child<QLabel>(page(), "rotationNoteLabel");
    addMap("gorge1");
    addMap("gorge1");
    EXPECT_TRUE(note.isHidden());
    session->setup.rotation[0]->gameType = Tournament;
    session->replaceRotation(std::move(session->setup.rotation));
    EXPECT_FALSE(note.isHidden());
    EXPECT_TRUE(note.text().startsWith("Entry 1 (gorge1) is a Tournament"));
}

TEST_F(ComplexPageTest, GameFolderWithoutTheGameSaysSoAfterWritingTheScript) {
    std::filesystem::remove(game.dir.file("quake3"));
    addMap("gorge1");
    click("playButton");
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
        addMap(map);
        addBots(1);
    }
    QString hint(int row) {
        return rotationList().model()->index(row, 0).data(Qt::ToolTipRole).toString();
    }
};

} // namespace

TEST_F(NavigationTest, PlayAsksBeforeBotsStandStillAndScriptShowsWithoutWriting) {
    addWithBot("fine");
    addWithBot("lonely");
    EXPECT_TRUE(hint(0).isEmpty());
    EXPECT_FALSE(hint(1).isEmpty()) << "lonely is marked";

    QString shown;
    dialogs.onModal = [&](QDialog& window) {
        shown = window.findChild<QPlainTextEdit*>("scriptText")->toPlainText();
    };
    click("scriptButton");
    EXPECT_EQ(dialogs.modalWindows.back(), "scriptPreviewWindow");
    EXPECT_TRUE(shown.contains(QString::fromStdString(game.path() + "quake3 +exec velkarn")));
    EXPECT_TRUE(shown.contains("set m1 \"set g_gametype 0;set fraglimit 0;set timelimit 20;"
                               "map lonely;kick "));
    EXPECT_TRUE(dialogs.questions.empty()) << "a look asks nothing";
    EXPECT_FALSE(game.scriptWritten());

    dialogs.yesNoAnswers = {false};
    click("playButton");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find(": lonely. Play all the same?"), std::string::npos);
    EXPECT_FALSE(game.scriptWritten());

    click("playButton"); // Yes
    EXPECT_TRUE(game.ran());
}

TEST_F(ComplexPageTest, TabRunsThroughTheMapsThenTheBotsThenPlay) {
    std::vector<std::string> reached;
    QWidget* control = &child<QWidget>(page(), "mapCombo");
    for (int step = 0; step < 100 && control->objectName() != "backButton"; ++step) {
        if (control->focusPolicy() & Qt::TabFocus)
            reached.push_back(control->objectName().toStdString());
        control = control->nextInFocusChain();
    }
    const auto at = [&](const char* name) {
        return std::find(reached.begin(), reached.end(), name) - reached.begin();
    };
    EXPECT_LT(at("rotationList"), at("botCombo"));
    EXPECT_LT(at("randomTeamCombo"), at("playButton"));
    EXPECT_LT(at("playButton"), static_cast<std::ptrdiff_t>(reached.size()));
}
