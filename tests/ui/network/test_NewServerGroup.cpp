#include "NetworkPageFixture.h"
#include "ui/network/NewServerGroup.h"

using namespace velkarn;
using namespace velkarn::test;

namespace {

AMapFile catalogued(const std::string& fileName, bool ctf, bool tourney, int botCount) {
    AMapFile map;
    map.FileName = fileName;
    map.ArenaBotCount = botCount;
    map.SupportsFFA = 1;
    map.SupportsCTF = ctf ? 1 : 0;
    map.SupportsTourney = tourney ? 1 : 0;
    return map;
}

enum CatalogueMap { Dm, Ctf, Tourney };

class NewServerGroupTest : public NetworkPageTest {
protected:
    NewServerGroup& group = *page().gbNewServer;

    NewServerGroupTest() {
        for (const AMapFile& map :
             {catalogued("q3dm17.bsp", false, false, 4), catalogued("q3ctf1.bsp", true, false, 6),
              catalogued("q3tourney2.bsp", false, true, 1)})
            model().catalogue.MapFileList.push_back(std::make_unique<AMapFile>(map));
        group.showMaps();
        group.cbServerMapChange();
    }
    void choose(int map) {
        group.cbServerMap->setCurrentIndex(map);
        group.cbServerMapChange();
    }
    void add(int map) {
        choose(map);
        group.butAddRemoveServerMap->click();
    }
    // A plain click selects only the entry; with Ctrl it joins the selection.
    void click(int row) { group.lbServerMaps->setCurrentRow(row); }
    void ctrlClick(int row) { group.lbServerMaps->setCurrentRow(row, QItemSelectionModel::Select); }
    std::string line(int row) const { return group.lbServerMaps->item(row)->text().toStdString(); }
    int selectedCount() const {
        return static_cast<int>(group.lbServerMaps->selectedItems().size());
    }
    const AServerMap& entry(int row) {
        return *model().ServerMapList[static_cast<std::size_t>(row)];
    }
    QStringList gameTypes() const {
        QStringList texts;
        for (int i = 0; i < group.cbServerGameType->count(); ++i)
            texts << group.cbServerGameType->itemText(i);
        return texts;
    }
    bool rotationControlsEnabled() const {
        return group.cbServerGameType->isEnabled() && group.spServerFragLimit->isEnabled() &&
               group.lbServerFragLimit->isEnabled() && group.spServerTimeLimit->isEnabled() &&
               group.lbServerTimeLimit->isEnabled();
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
    EXPECT_EQ(group.cbServerMap->currentText(), "q3dm17");
    EXPECT_EQ(gameTypes(), (QStringList{"Deathmatch", "Tournament", "Team Deathmatch"}));
    EXPECT_FALSE(rotationControlsEnabled());

    choose(Ctf);
    EXPECT_EQ(gameTypes(), (QStringList{"Capture The Flag"}));
    EXPECT_EQ(group.lbServerFragLimit->text(), "Capture Limit");
    group.butAddRemoveServerMap->click();
    EXPECT_EQ(line(0), "q3ctf1          CTF  CL=0  TL=20");
    EXPECT_TRUE(rotationControlsEnabled());
    EXPECT_EQ(selectedCount(), 0); // the new entry is not selected

    choose(Tourney);
    EXPECT_EQ(group.cbServerGameType->currentText(), "Tournament");
    EXPECT_EQ(group.lbServerFragLimit->text(), "Frag Limit");
    group.butAddRemoveServerMap->click();
    EXPECT_EQ(line(1), "q3tourney2      TNY  FL=0  TL=20");
    EXPECT_EQ(entry(1).MapFileIndex, Tourney);
}

TEST_F(NewServerGroupTest, ShowingAnEntryKeepsTheOtherSelectedEntrysLimits) {
    add(Dm);
    add(Tourney);
    click(0);
    group.spServerFragLimit->setValue(10);
    click(1);
    group.spServerTimeLimit->setValue(30);
    ASSERT_EQ(line(0), "q3dm17          DM   FL=10 TL=20");

    click(0);
    ctrlClick(1);
    EXPECT_EQ(selectedCount(), 2);
    EXPECT_EQ(group.spServerFragLimit->value(), 0);
    EXPECT_EQ(group.spServerTimeLimit->value(), 30);
    EXPECT_EQ(group.cbServerGameType->currentText(), "Tournament");
    EXPECT_EQ(entry(0).FragLimit, 10);
    EXPECT_EQ(entry(0).TimeLimit, 20);
    EXPECT_EQ(line(0), "q3dm17          DM   FL=10 TL=20");
}

TEST_F(NewServerGroupTest, EditsReachEverySelectedEntryAndKeepTheSelection) {
    add(Dm);
    add(Dm);
    add(Dm);
    click(0);
    ctrlClick(2);
    group.spServerTimeLimit->setValue(45);
    EXPECT_EQ(line(0), "q3dm17          DM   FL=0  TL=45");
    EXPECT_EQ(line(1), "q3dm17          DM   FL=0  TL=20");
    EXPECT_EQ(line(2), "q3dm17          DM   FL=0  TL=45");
    EXPECT_EQ(selectedCount(), 2);

    group.cbServerGameType->setCurrentIndex(2);
    group.cbServerGameTypeChange();
    EXPECT_EQ(entry(0).GameType, TeamDeathmatch);
    EXPECT_EQ(entry(1).GameType, Deathmatch);
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
    group.butAddRemoveServerMap->click();
    EXPECT_EQ(model().ServerMapList.size(), 3u);
    EXPECT_EQ(group.lbServerMaps->count(), 3);
}

TEST_F(NewServerGroupTest, RemovingSelectedEntriesKeepsListAndRotationParallel) {
    add(Dm);
    add(Ctf);
    add(Tourney);
    click(0);
    ctrlClick(2);
    group.butAddRemoveServerMap->click();
    ASSERT_EQ(model().ServerMapList.size(), 1u);
    EXPECT_EQ(entry(0).Name, "q3ctf1");
    EXPECT_EQ(line(0), "q3ctf1          CTF  CL=0  TL=20");
    EXPECT_TRUE(rotationControlsEnabled());

    click(0);
    group.butAddRemoveServerMap->click();
    EXPECT_TRUE(model().ServerMapList.empty());
    EXPECT_EQ(group.lbServerMaps->count(), 0);
    EXPECT_FALSE(rotationControlsEnabled());
}

TEST_F(NewServerGroupTest, EmptyCatalogueOffersNothingToAdd) {
    model().catalogue.MapFileList.clear();
    group.showMaps();
    group.cbServerMapChange();
    group.butAddRemoveServerMap->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(model().ServerMapList.empty());
    EXPECT_FALSE(rotationControlsEnabled());
}

TEST_F(NewServerGroupTest, StartWithEmptyRotationWritesOptionsAndStartsTheGame) {
    forms().fmGameOptions->edCommandLine->setText("+set dedicated 1");
    group.butStartServer->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(game.script(), OptionLines + "vstr m0\r\n");
    EXPECT_EQ(game.arguments(), (Lines{"+exec", "velkarn", "+set", "dedicated", "1"}));
}

TEST_F(NewServerGroupTest, OptionsAndOneEntryGiveTheirLines) {
    add(Ctf);
    group.spMaxClients->setValue(16);
    group.edHostName->setText("^1Arena");
    group.edMOTD->setText("Welcome all");
    group.edPassword->setText("secret");
    group.cbPure->setChecked(true);
    group.spMaxRate->setValue(25000);
    group.spWeaponRespawn->setValue(10);
    group.cbVoting->setChecked(false);
    group.cbSynchronous->setChecked(true);
    group.butStartServer->click();
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
    group.edHostName->setText("Arena;quit");
    group.butStartServer->click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages.at(0).find("host name"), std::string::npos);
    EXPECT_FALSE(game.scriptWritten());
}

TEST_F(NewServerGroupTest, NumberFieldsFixTheirTextWhenLeft) {
    typeAndLeave(*group.spMaxRate, "abc");
    EXPECT_EQ(group.spMaxRate->value(), 0);

    add(Dm);
    click(0);
    typeAndLeave(*group.spServerTimeLimit, "abc");
    EXPECT_EQ(entry(0).TimeLimit, 0);
    typeAndLeave(*group.spServerFragLimit, "999");
    EXPECT_EQ(entry(0).FragLimit, 255);
    EXPECT_EQ(line(0), "q3dm17          DM   FL=255TL=0");
}

TEST_F(NewServerGroupTest, CaptureTheFlagArenaWithOneBotTournamentShowsWhatIsWritten) {
    model().catalogue.MapFileList.push_back(
        std::make_unique<AMapFile>(catalogued("duel1.bsp", true, true, 1)));
    group.showMaps();
    add(3);
    EXPECT_EQ(line(0), "duel1           TNY  FL=0  TL=20");
    click(0);
    EXPECT_EQ(gameTypes(), (QStringList{"Deathmatch", "Tournament", "Team Deathmatch"}));
    EXPECT_EQ(group.cbServerGameType->currentText(), "Tournament");
    EXPECT_EQ(group.lbServerFragLimit->text(), "Frag Limit");
}
