#include "core/setup/TextHelpers.h"
#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/GameFolder.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/RandomSeriesGroup.h"
#include "ui/main/SimplePage.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace velkarn;
using namespace velkarn::test;

namespace {

enum Item { DefaultItem, DeathmatchItem, TournamentItem, TeamDeathmatchItem, CaptureTheFlagItem };

// The program's windows over a game folder with the fake game and an archive of the maps each
// test gives and a few bots.
class RandomSeriesGroupTest : public AppFixture {
protected:
    GameFolder game{true};

    void startWith(const std::vector<ArenaMap>& maps) {
        app.write("path.txt", game.path() + "\r\n\r\n");
        writeContentArchive(game.dir.file("baseq3/content.pk3"), maps,
                            {"Vexor", "Krag", "Anvil", "Mynx"});
        start();
    }
    RandomSeriesGroup& group() { return child<RandomSeriesGroup>(mainWindow(), "newSetupGroup"); }
    template <typename Control> Control& control(const char* name) {
        return child<Control>(group(), name);
    }
    template <typename Control> Control& complex(const char* name) {
        return child<Control>(child<QWidget>(mainWindow(), "complexTab"), name);
    }
    const Rotation& rotation() { return session->setup.rotation; }
    void play(int item, int mapCount) {
        control<QComboBox>("simpleGameTypeCombo").setCurrentIndex(item);
        control<NumberSpin>("simpleMapCountSpin").setValue(mapCount);
        control<QPushButton>("simplePlayButton").click();
    }
    QStringList shownLines() {
        QStringList lines;
        QListView& list = complex<QListView>("rotationList");
        for (int row = 0; row < rowCount(list); ++row)
            lines << QString::fromStdString(rowText(list, row));
        return lines;
    }
    // Deathmatch, tournament with one bot and with none, team and capture the flag.
    static std::vector<ArenaMap> mixedCatalogue() {
        return {{"gorge1", "Gorge", 0, "ffa"},
                {"duel1", "Duel", 1, "ffa tourney"},
                {"duel2", "Duel Two", 0, "tourney"},
                {"flags1", "Flags", 3, "team ctf"}};
    }
    static void typeAndLeave(QAbstractSpinBox& field, const QString& text) {
        field.findChild<QLineEdit*>()->setText(text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&field, &leave);
    }
};

} // namespace

TEST_F(RandomSeriesGroupTest, StartsWithTheSentenceAndItsRanges) {
    startWith(mixedCatalogue());
    const std::pair<NumberSpin*, std::array<int, 4>> fields[] = {
        {&control<NumberSpin>("simpleMapCountSpin"), {1, 99, 1, 4}},
        {&control<NumberSpin>("simpleFragLimitSpin"), {0, 255, 5, 30}},
        {&control<NumberSpin>("simpleTimeLimitSpin"), {0, 255, 5, 10}}};
    for (const auto& [field, expected] : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_EQ(field->minimum(), expected[0]);
        EXPECT_EQ(field->maximum(), expected[1]);
        EXPECT_EQ(field->singleStep(), expected[2]);
        EXPECT_EQ(field->value(), expected[3]);
    }
    QStringList items;
    for (int i = 0; i < control<QComboBox>("simpleGameTypeCombo").count(); ++i)
        items << control<QComboBox>("simpleGameTypeCombo").itemText(i);
    EXPECT_EQ(items, (QStringList{"[Default]", "Deathmatch", "Tournament", "Team Deathmatch",
                                  "Capture The Flag"}));
    EXPECT_EQ(control<QComboBox>("simpleGameTypeCombo").currentText(), "Deathmatch");
    QStringList sentence;
    for (const char* word :
         {"iWantToPlayLabel", "mapsWordLabel", "ofWordLabel", "withWordLabel", "simpleLimitLabel",
          "andWithWordLabel", "simpleTimeLimitLabel", "minutesWordLabel"})
        sentence << control<QLabel>(word).text();
    EXPECT_EQ(sentence.join('|'),
              "I &want to play|maps|of|with|frag &limit|and with|&time limit|minutes");
    EXPECT_EQ(control<QPushButton>("simplePlayButton").text(), "&Play...");
    EXPECT_TRUE(control<QPushButton>("simplePlayButton").font().bold());
}

TEST_F(RandomSeriesGroupTest, LimitCaptionFollowsTheGameType) {
    startWith(mixedCatalogue());
    const std::pair<int, QString> captions[] = {{DefaultItem, "frag/capture &limit"},
                                                {TournamentItem, "frag &limit"},
                                                {TeamDeathmatchItem, "frag &limit"},
                                                {CaptureTheFlagItem, "capture &limit"},
                                                {DeathmatchItem, "frag &limit"}};
    for (const auto& [item, caption] : captions) {
        control<QComboBox>("simpleGameTypeCombo").setCurrentIndex(item);
        EXPECT_EQ(control<QLabel>("simpleLimitLabel").text(), caption) << item;
    }
}

TEST_F(RandomSeriesGroupTest, NotANumberCountsAsTheMinimum) {
    startWith(mixedCatalogue());
    typeAndLeave(control<NumberSpin>("simpleFragLimitSpin"), "abc");
    EXPECT_EQ(control<NumberSpin>("simpleFragLimitSpin").value(), 0);
    typeAndLeave(control<NumberSpin>("simpleTimeLimitSpin"), "300");
    EXPECT_EQ(control<NumberSpin>("simpleTimeLimitSpin").value(), 255);

    // A count still being typed when Play is pressed counts too: "abc" maps is one map.
    control<NumberSpin>("simpleMapCountSpin").findChild<QLineEdit*>()->setText("abc");
    control<QPushButton>("simplePlayButton").click();
    ASSERT_EQ(rotation().size(), 1u);
    EXPECT_EQ(rotation()[0]->fragLimit, 0);
    EXPECT_EQ(rotation()[0]->timeLimit, 255);
}

TEST_F(RandomSeriesGroupTest, OneMapIsPlayedAsPlainCommandsAndShownOnTheComplexPage) {
    startWith({{"gorge1", "Gorge", 2, "ffa"}});
    play(DeathmatchItem, 1);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(rotation().size(), 1u);
    const RotationEntry& entry = *rotation()[0];
    EXPECT_EQ(entry.name, "gorge1");
    EXPECT_EQ(entry.gameType, Deathmatch);
    EXPECT_EQ(entry.fragLimit, 30);
    EXPECT_EQ(entry.timeLimit, 10);
    EXPECT_EQ(entry.botCount, 2) << "the arena's bot count";

    const std::string script = game.script();
    EXPECT_NE(script.find("set g_gametype 0\r\nset fraglimit 30\r\nset timelimit 10\r\n"
                          "map gorge1\r\naddbot "),
              std::string::npos)
        << script;
    EXPECT_EQ(script.find("vstr"), std::string::npos) << "no rotation chain for one map";
    const Lines arguments = game.arguments();
    EXPECT_EQ(arguments, (Lines{"+exec", "velkarn"}));

    EXPECT_EQ(shownLines(), QStringList{QString::fromStdString(rotationEntryText(entry))});
    EXPECT_TRUE(complex<QComboBox>("gameTypeCombo").isEnabled());
    EXPECT_TRUE(complex<QPushButton>("addRemoveBotsButton").isEnabled());
    EXPECT_TRUE(complex<QListView>("rotationList").selectionModel()->isRowSelected(0, {}))
        << "the first entry is shown";
    EXPECT_EQ(rowCount(complex<QListView>("rosterList")), 2) << "with its roster";
}

TEST_F(RandomSeriesGroupTest, DefaultKeepsCaptureTheFlagWithFiveBotsInTeams) {
    startWith({{"flags1", "Flags", 3, "ctf"}, {"flags2", "Flags Two", 0, "team ctf"}});
    control<NumberSpin>("simpleFragLimitSpin").setValue(50);
    play(DefaultItem, 3);
    ASSERT_EQ(rotation().size(), 3u);
    std::set<std::string> teams;
    for (const auto& entry : rotation()) {
        EXPECT_EQ(entry->gameType, CaptureTheFlag);
        EXPECT_EQ(entry->fragLimit, 8) << "the capture limit, whatever the field says";
        ASSERT_EQ(entry->botCount, 5);
        for (int slot = 0; slot < entry->botCount; ++slot)
            teams.insert(entry->bots[static_cast<std::size_t>(slot)].team);
    }
    EXPECT_EQ(teams, (std::set<std::string>{"Blue", "Red"})) << "random teams are balanced";
    EXPECT_EQ(shownLines().size(), 3);
    EXPECT_TRUE(complex<QComboBox>("randomTeamCombo").isEnabled()) << "a team game is shown";

    // The Complex page's random-bot choices, as the user left them, decide skills and teams.
    complex<QComboBox>("randomSkillCombo").setCurrentIndex(5);
    complex<QComboBox>("randomTeamCombo").setCurrentIndex(2);
    play(DefaultItem, 2);
    ASSERT_EQ(rotation().size(), 2u);
    for (const auto& entry : rotation())
        for (int slot = 0; slot < entry->botCount; ++slot) {
            EXPECT_EQ(entry->bots[static_cast<std::size_t>(slot)].skill, 5);
            EXPECT_EQ(entry->bots[static_cast<std::size_t>(slot)].team, "Red");
        }
}

TEST_F(RandomSeriesGroupTest, TournamentDrawsOnlyTourneyArenasWithTheirBotCounts) {
    startWith(mixedCatalogue());
    play(TournamentItem, 6); // more entries than tourney arenas: later ones repeat
    ASSERT_EQ(rotation().size(), 6u);
    std::set<std::string> names;
    for (const auto& entry : rotation()) {
        names.insert(entry->name);
        EXPECT_EQ(entry->gameType, Tournament);
        EXPECT_EQ(entry->fragLimit, 30);
        EXPECT_EQ(entry->botCount, entry->name == "duel1" ? 1 : 4) << entry->name;
        for (int slot = 0; slot < entry->botCount; ++slot)
            EXPECT_EQ(entry->bots[static_cast<std::size_t>(slot)].team, "None");
    }
    EXPECT_EQ(names, (std::set<std::string>{"duel1", "duel2"}));
    EXPECT_NE(rotation()[0]->name, rotation()[1]->name) << "the second entry avoids the first map";
    EXPECT_NE(game.script().find("vstr m0"), std::string::npos);
}

TEST_F(RandomSeriesGroupTest, NoBuildableRotationKeepsThePreviousOne) {
    startWith({{"gorge1", "Gorge", 0, "ffa"}});
    play(DeathmatchItem, 2);
    ASSERT_EQ(rotation().size(), 2u);
    std::filesystem::remove(game.dir.file("baseq3/velkarn.cfg"));
    const RotationEntry* first = rotation()[0].get();
    const QStringList shown = shownLines();

    play(CaptureTheFlagItem, 3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].ends_with("!")) << dialogs.messages[0];
    EXPECT_EQ(rotation().size(), 2u);
    EXPECT_EQ(rotation()[0].get(), first);
    EXPECT_EQ(shownLines(), shown);
    EXPECT_FALSE(game.scriptWritten());

    // An empty catalogue likewise.
    session->setup.catalogue.mapFiles.clear();
    play(DeathmatchItem, 3);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].ends_with("!")) << dialogs.messages[1];
    EXPECT_EQ(rotation()[0].get(), first);
    EXPECT_EQ(shownLines(), shown);
    EXPECT_FALSE(game.scriptWritten());
}

TEST_F(RandomSeriesGroupTest, AFailedScriptLeavesTheBuiltRotation) {
    startWith(mixedCatalogue());
    std::filesystem::remove_all(game.dir.file("baseq3"));
    play(DeathmatchItem, 2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].ends_with(" holds no data folder baseq3."))
        << dialogs.messages[0];
    EXPECT_EQ(rotation().size(), 2u);
    EXPECT_EQ(shownLines().size(), 2);
    EXPECT_FALSE(fileExists(game.dir.file("fake_game_run.txt")));
}
