#include "NetworkPageFixture.h"
#include "core/setup/TextHelpers.h"
#include "support/Controls.h"
#include "ui/network/NewServerGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using namespace velkarn;
using namespace velkarn::test;

namespace {

MapFile catalogued(const std::string& fileName, bool ctf, bool tourney, int botCount) {
    MapFile map;
    map.fileName = fileName;
    map.arenaBotCount = botCount;
    map.supportsDeathmatch = 1;
    map.supportsCaptureTheFlag = ctf ? 1 : 0;
    map.supportsTournament = tourney ? 1 : 0;
    return map;
}

enum CatalogueMap { Dm, Ctf, Tourney };

class NewServerGroupTest : public NetworkPageTest {
protected:
    NewServerGroup& group = child<NewServerGroup>(page(), "newServerGroup");

    NewServerGroupTest() {
        for (const MapFile& map :
             {catalogued("q3dm17.bsp", false, false, 4), catalogued("q3ctf1.bsp", true, false, 6),
              catalogued("q3tourney2.bsp", false, true, 1)})
            model().catalogue.mapFiles.push_back(std::make_unique<MapFile>(map));
        session.catalogueRebuilt();
    }
    template <typename Control> Control& control(const char* name) const {
        return child<Control>(group, name);
    }
    void choose(int map) {
        velkarn::test::choose(
            control<QComboBox>("serverMapCombo"),
            QString::fromStdString(
                mapBaseName(model().catalogue.mapFiles[static_cast<std::size_t>(map)]->fileName)));
    }
    void add(int map) {
        choose(map);
        control<QPushButton>("addRemoveServerMapButton").click();
    }
    // A plain click selects only the entry; with Ctrl it joins the selection.
    QListView& list() const { return control<QListView>("serverRotationList"); }
    void click(int row) {
        list().selectionModel()->setCurrentIndex(list().model()->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    void ctrlClick(int row) {
        list().selectionModel()->setCurrentIndex(list().model()->index(row, 0),
                                                 QItemSelectionModel::Select);
    }
    std::string line(int row) const { return rowText(list(), row); }
    int selectedCount() const {
        return static_cast<int>(list().selectionModel()->selectedRows().size());
    }
    const ServerRotationEntry& entry(int row) {
        return *model().serverRotation[static_cast<std::size_t>(row)];
    }
    QStringList gameTypes() const {
        QStringList texts;
        for (int i = 0; i < control<QComboBox>("serverGameTypeCombo").count(); ++i)
            texts << control<QComboBox>("serverGameTypeCombo").itemText(i);
        return texts;
    }
    bool rotationControlsEnabled() const {
        for (const char* name :
             {"serverGameTypeCombo", "serverFragLimitSpin", "serverFragLimitLabel",
              "serverTimeLimitSpin", "serverTimeLimitLabel"})
            if (!control<QWidget>(name).isEnabled())
                return false;
        return true;
    }
};

const std::string OptionLines = "sv_maxclients 4\r\n"
                                "sv_hostname \r\n"
                                "g_motd \r\n"
                                "sv_privateClients 0\r\n"
                                "sv_pure 0\r\n"
                                "sv_maxrate 10000\r\n"
                                "g_weaponrespawn 5\r\n"
                                "g_allowvote 1\r\n"
                                "g_syncronousclients 0\r\n";

} // namespace

TEST_F(NewServerGroupTest, ChoosingAndAddingMapsFollowsTheirArenas) {
    EXPECT_EQ(control<QComboBox>("serverMapCombo").currentText(), "q3ctf1") << "sorted by name";
    choose(Dm);
    EXPECT_EQ(gameTypes(), (QStringList{"Deathmatch", "Tournament", "Team Deathmatch"}));
    EXPECT_FALSE(rotationControlsEnabled());

    choose(Ctf);
    EXPECT_EQ(gameTypes(), (QStringList{"Capture The Flag"}));
    EXPECT_EQ(control<QLabel>("serverFragLimitLabel").text(), "Capture &Limit");
    control<QPushButton>("addRemoveServerMapButton").click();
    EXPECT_EQ(line(0), "q3ctf1          CTF  CL=0  TL=20");
    EXPECT_TRUE(rotationControlsEnabled());
    EXPECT_EQ(selectedCount(), 0); // the new entry is not selected

    choose(Tourney);
    EXPECT_EQ(control<QComboBox>("serverGameTypeCombo").currentText(), "Tournament");
    EXPECT_EQ(control<QLabel>("serverFragLimitLabel").text(), "Frag &Limit");
    control<QPushButton>("addRemoveServerMapButton").click();
    EXPECT_EQ(line(1), "q3tourney2      TNY  FL=0  TL=20");
    EXPECT_EQ(entry(1).mapFileIndex, Tourney);
}

TEST_F(NewServerGroupTest, ShowingAnEntryKeepsTheOtherSelectedEntrysLimits) {
    add(Dm);
    add(Tourney);
    click(0);
    control<NumberSpin>("serverFragLimitSpin").setValue(10);
    click(1);
    control<NumberSpin>("serverTimeLimitSpin").setValue(30);
    ASSERT_EQ(line(0), "q3dm17          DM   FL=10 TL=20");

    click(0);
    ctrlClick(1);
    EXPECT_EQ(selectedCount(), 2);
    EXPECT_EQ(control<NumberSpin>("serverFragLimitSpin").value(), 0);
    EXPECT_EQ(control<NumberSpin>("serverTimeLimitSpin").value(), 30);
    EXPECT_EQ(control<QComboBox>("serverGameTypeCombo").currentText(), "Tournament");
    EXPECT_EQ(entry(0).fragLimit, 10);
    EXPECT_EQ(entry(0).timeLimit, 20);
    EXPECT_EQ(line(0), "q3dm17          DM   FL=10 TL=20");
}

TEST_F(NewServerGroupTest, EditsReachEverySelectedEntryAndKeepTheSelection) {
    add(Dm);
    add(Dm);
    add(Dm);
    click(0);
    ctrlClick(2);
    control<NumberSpin>("serverTimeLimitSpin").setValue(45);
    EXPECT_EQ(line(0), "q3dm17          DM   FL=0  TL=45");
    EXPECT_EQ(line(1), "q3dm17          DM   FL=0  TL=20");
    EXPECT_EQ(line(2), "q3dm17          DM   FL=0  TL=45");
    EXPECT_EQ(selectedCount(), 2);

    velkarn::test::choose(control<QComboBox>("serverGameTypeCombo"), 2);
    EXPECT_EQ(entry(0).gameType, TeamDeathmatch);
    EXPECT_EQ(entry(1).gameType, Deathmatch);
    EXPECT_EQ(line(2), "q3dm17          TDM  FL=0  TL=45");
    EXPECT_EQ(selectedCount(), 2);
}

TEST_F(NewServerGroupTest, ChoosingAMapDeselectsSoAddRemoveAdds) {
    add(Dm);
    add(Ctf);
    click(0);
    ctrlClick(1);
    choose(Tourney);
    EXPECT_EQ(selectedCount(), 0);
    control<QPushButton>("addRemoveServerMapButton").click();
    EXPECT_EQ(model().serverRotation.size(), 3u);
    EXPECT_EQ(rowCount(list()), 3);
}

TEST_F(NewServerGroupTest, RemovingSelectedEntriesKeepsListAndRotationParallel) {
    add(Dm);
    add(Ctf);
    add(Tourney);
    click(0);
    ctrlClick(2);
    control<QPushButton>("addRemoveServerMapButton").click();
    ASSERT_EQ(model().serverRotation.size(), 1u);
    EXPECT_EQ(entry(0).name, "q3ctf1");
    EXPECT_EQ(line(0), "q3ctf1          CTF  CL=0  TL=20");
    EXPECT_TRUE(rotationControlsEnabled());

    click(0);
    control<QPushButton>("addRemoveServerMapButton").click();
    EXPECT_TRUE(model().serverRotation.empty());
    EXPECT_EQ(rowCount(list()), 0);
    EXPECT_FALSE(rotationControlsEnabled());
}

TEST_F(NewServerGroupTest, EmptyCatalogueOffersNothingToAdd) {
    model().catalogue.mapFiles.clear();
    session.catalogueRebuilt();
    control<QPushButton>("addRemoveServerMapButton").click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(model().serverRotation.empty());
    EXPECT_FALSE(rotationControlsEnabled());
}

TEST_F(NewServerGroupTest, StartWithEmptyRotationIsRefusedAndStartsNothing) {
    session.game.setCommandLine("+set dedicated 1");
    control<QPushButton>("startServerButton").click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"The rotation holds no map to play!"}));
    EXPECT_FALSE(game.scriptWritten());
    EXPECT_FALSE(game.ran());
}

TEST_F(NewServerGroupTest, OptionsAndOneEntryGiveTheirLines) {
    add(Ctf);
    control<NumberSpin>("maxClientsSpin").setValue(16);
    control<QLineEdit>("hostNameEdit").setText("^1Arena");
    control<QLineEdit>("motdEdit").setText("Welcome all");
    control<QLineEdit>("passwordEdit").setText("secret");
    control<QCheckBox>("pureServerCheck").setChecked(true);
    control<NumberSpin>("maxRateSpin").setValue(25000);
    control<NumberSpin>("weaponRespawnSpin").setValue(10);
    control<QCheckBox>("allowVotingCheck").setChecked(false);
    control<QCheckBox>("synchronousClientsCheck").setChecked(true);
    control<QPushButton>("startServerButton").click();
    EXPECT_EQ(game.script(), "sv_maxclients 16\r\n"
                             "sv_hostname ^1Arena\r\n"
                             "g_motd Welcome all\r\n"
                             "sv_privateClients 1\r\n"
                             "sv_privatePassword secret\r\n"
                             "sv_pure 1\r\n"
                             "sv_maxrate 25000\r\n"
                             "g_weaponrespawn 10\r\n"
                             "g_allowvote 0\r\n"
                             "g_syncronousclients 1\r\n"
                             "set g_gametype 4\r\n"
                             "set capturelimit 0\r\n"
                             "set timelimit 20\r\n"
                             "map q3ctf1\r\n");
}

TEST_F(NewServerGroupTest, UnsafeHostNameIsRefusedWithNothingWritten) {
    control<QLineEdit>("hostNameEdit").setText("Arena;quit");
    control<QPushButton>("startServerButton").click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages.at(0).find("host name"), std::string::npos);
    EXPECT_FALSE(game.scriptWritten());
}

TEST_F(NewServerGroupTest, NumberFieldsFixTheirTextWhenLeft) {
    typeAndLeave(control<NumberSpin>("maxRateSpin"), "abc");
    EXPECT_EQ(control<NumberSpin>("maxRateSpin").value(), 0);

    add(Dm);
    click(0);
    typeAndLeave(control<NumberSpin>("serverTimeLimitSpin"), "abc");
    EXPECT_EQ(entry(0).timeLimit, 0);
    typeAndLeave(control<NumberSpin>("serverFragLimitSpin"), "999");
    EXPECT_EQ(entry(0).fragLimit, 255);
    EXPECT_EQ(line(0), "q3dm17          DM   FL=255TL=0");
}

TEST_F(NewServerGroupTest, CaptureTheFlagArenaWithOneBotTournamentShowsWhatIsWritten) {
    model().catalogue.mapFiles.push_back(
        std::make_unique<MapFile>(catalogued("duel1.bsp", true, true, 1)));
    session.catalogueRebuilt();
    add(3);
    EXPECT_EQ(line(0), "duel1           TNY  FL=0  TL=20");
    click(0);
    EXPECT_EQ(gameTypes(), (QStringList{"Deathmatch", "Tournament", "Team Deathmatch"}));
    EXPECT_EQ(control<QComboBox>("serverGameTypeCombo").currentText(), "Tournament");
    EXPECT_EQ(control<QLabel>("serverFragLimitLabel").text(), "Frag &Limit");
}
