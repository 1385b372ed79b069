#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "support/ServerMix.h"
#include "support/UdpResponder.h"
#include "ui/network/FindServersWindow.h"

#include <QCheckBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class FindServersTest : public NetworkPageTest {
protected:
    std::unique_ptr<UdpResponder> good = goodServer("^1Red");
    UdpResponder silent{noAnswer};

    // A master on 127.0.0.1 listing `ports`, named in masters.txt.
    std::unique_ptr<UdpResponder> masterOf(const std::vector<quint16>& ports) {
        auto master = std::make_unique<UdpResponder>([ports](const QByteArray&) {
            return std::vector<QByteArray>{masterAnswer(ports, true)};
        });
        app.write("masters.txt", formatServerAddress(master->address()) + " 68\r\n");
        return master;
    }

    // Searches until the search ends.
    static void search(FindServersWindow& window) {
        window.findServers();
        ASSERT_TRUE(
            runEventsUntil([&] { return !child<QPushButton>(window, "stopButton").isEnabled(); }));
    }
};

} // namespace

TEST_F(FindServersTest, FoundServersFillTheTableAndCanBeSaved) {
    // A host name with ";" and '"' is a fine name for the list file; its color codes go.
    UdpResponder odd([](const QByteArray& request) {
        return std::vector<QByteArray>{
            statusAnswer("\\sv_hostname\\^3Semi;\"Q\\mapname\\x", {}, request)};
    });
    const auto master = masterOf({good->address().port, silent.address().port, odd.address().port});
    FindServersWindow window(session, Quick);
    int savedRows = -1;
    QObject::connect(&session, &Session::serversChanged,
                     [&] { savedRows = static_cast<int>(session.setup.servers.size()); });

    QTableView& table = child<QTableView>(window, "foundServerTable");
    const QLabel& count = child<QLabel>(window, "shownCountLabel");
    search(window);
    ASSERT_EQ(table.model()->rowCount(), 2);
    EXPECT_EQ(count.text(), "2 shown of 2 answered, 3 listed");
    EXPECT_EQ(table.horizontalHeader()->sortIndicatorSection(), 4) << "the nearest first";
    table.sortByColumn(0, Qt::AscendingOrder); // "Red" before "Semi", the codes not counted
    EXPECT_EQ(cell(table, 0, 0), "Red");
    EXPECT_EQ(cell(table, 1, 6).toString().toStdString(), formatServerAddress(odd.address()));

    table.selectRow(1);
    child<QPushButton>(window, "addToSavedButton").click();
    ASSERT_EQ(savedRows, 1);
    EXPECT_EQ(model().servers[0]->name, "Semi;\"Q");
    EXPECT_EQ(model().servers[0]->address, formatServerAddress(odd.address()));
    EXPECT_TRUE(dialogs.messages.empty());

    window.findServers();
    child<QPushButton>(window, "stopButton").click();
    EXPECT_EQ(count.text(), "0 shown of 0 answered, 0 listed, stopped");
    child<QPushButton>(window, "addToSavedButton").click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"You must select a server!"});
}

TEST_F(FindServersTest, FiltersChooseAmongEveryAnswerShowBuddiesAlwaysAndAreKept) {
    const ServerMix mix;
    const auto master = masterOf(mix.ports());
    app.write("buddies.txt", "sarge\r\n");
    session.buddies.read();
    auto window = std::make_unique<FindServersWindow>(session, Quick);
    QTableView& table = child<QTableView>(*window, "foundServerTable");
    search(*window);
    table.sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(column(table, 0),
              (QStringList{"Bot Camp", "Friends", "Full House", "Ghost Town", "Private"}));
    EXPECT_EQ(cell(table, 1, 7), "Sarge") << "the buddy, as the server names him";
    EXPECT_TRUE(cell(table, 1, 0, Qt::FontRole).value<QFont>().bold());

    child<QCheckBox>(*window, "hasHumansCheck").click();
    EXPECT_EQ(column(table, 0), (QStringList{"Friends", "Full House", "Private"}));
    child<QCheckBox>(*window, "hideFullCheck").click();
    child<QCheckBox>(*window, "hidePasswordedCheck").click();
    EXPECT_EQ(column(table, 0), QStringList{"Friends"});
    child<QCheckBox>(*window, "hasHumansCheck").click();
    child<QCheckBox>(*window, "hideFullCheck").click();
    child<QLineEdit>(*window, "searchEdit").setText("VISOR");
    EXPECT_EQ(column(table, 0), (QStringList{"Friends", "Full House"}))
        << "a player's name, case ignored; the buddy's server whatever the filters";
    EXPECT_EQ(child<QLabel>(*window, "shownCountLabel").text(), "2 shown of 5 answered, 5 listed");
    for (const auto* server : {&mix.botsOnly, &mix.full, &mix.passworded, &mix.withBuddy})
        EXPECT_GE((*server)->requestsSeen(), 1) << "filters never stop a server being asked";

    // The next window, or the next run, starts with the same filters.
    window = std::make_unique<FindServersWindow>(session, Quick);
    EXPECT_TRUE(child<QCheckBox>(*window, "hidePasswordedCheck").isChecked());
    EXPECT_FALSE(child<QCheckBox>(*window, "hasHumansCheck").isChecked());
    EXPECT_EQ(child<QLineEdit>(*window, "searchEdit").text(), "VISOR");
}

TEST_F(FindServersTest, AMasterThatGivesNoListIsNamedAboveTheEmptyList) {
    app.write("masters.txt", formatServerAddress(silent.address()) + " 68\r\n");
    FindServersWindow window(session, Quick);
    search(window);
    const QLabel& problems = child<QLabel>(window, "masterProblemsLabel");
    EXPECT_FALSE(problems.isHidden());
    EXPECT_EQ(problems.text().toStdString(),
              "No answer from " + formatServerAddress(silent.address()) + ".");
}

TEST_F(FindServersTest, PlayersOfSeveralServersAndAPlayerSearchLeadToTheirServer) {
    const ServerMix mix;
    const auto master = masterOf(mix.ports());
    FindServersWindow window(session, Quick);
    QTableView& table = child<QTableView>(window, "foundServerTable");
    QTableView& players = child<QTableView>(window, "playerTable");
    search(window);
    table.sortByColumn(0, Qt::AscendingOrder);
    table.selectRow(1); // Friends
    table.selectionModel()->select(table.model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    players.sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(column(players, 0), (QStringList{"Doom", "Ranger", "Sarge", "Visor"}));
    EXPECT_EQ(column(players, 3), (QStringList{"Friends", "Full House", "Friends", "Full House"}));

    child<QLineEdit>(window, "playerSearchEdit").setText("^1ANGEL");
    EXPECT_TRUE(column(players, 0).isEmpty()) << "color codes are no part of a name";
    child<QLineEdit>(window, "playerSearchEdit").setText("angel");
    ASSERT_EQ(column(players, 0), QStringList{"Angelyss"});
    EXPECT_EQ(cell(players, 0, 3), "Bot Camp");
    pressEnter(players, 0);
    const auto selected = table.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(cell(table, selected.front().row(), 0), "Bot Camp");
}

// A master on ::1 spreads its list over packets with servers of both families, one of them
// twice (once as an IPv4-mapped address): the table lists each server once.
TEST_F(FindServersTest, AMasterOnIpv6ListsServersOfBothFamilies) {
    const BothFamiliesMaster servers("getserversExt");
    app.write("masters.txt", formatServerAddress(servers.master->address()) + " 68\r\n");
    FindServersWindow window(session, Quick);
    QTableView& table = child<QTableView>(window, "foundServerTable");
    search(window);
    table.sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(column(table, 0), (QStringList{"Four", "Six", "SixToo"}));
    EXPECT_EQ(cell(table, 1, 6).toString().toStdString(),
              formatServerAddress(servers.six->address()));
    EXPECT_EQ(child<QLabel>(window, "shownCountLabel").text(), "3 shown of 3 answered, 3 listed");
}

TEST_F(FindServersTest, QueueToJoinJoinsTheChosenServerOnceAPlaceFrees) {
    FullServer full;
    const auto master = masterOf({full.responder->address().port});
    QueryTiming often = Quick;
    often.seatWaitMs = 50;
    FindServersWindow window(session, often);
    search(window);
    auto& wait = child<QPushButton>(window, "joinWhenFreeButton");
    auto& status = child<QLabel>(window, "seatWaitStatus");
    wait.click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"You must select a server!"});
    EXPECT_EQ(wait.text(), "&Queue to Join");

    child<QTableView>(window, "foundServerTable").selectRow(0);
    wait.click();
    ASSERT_TRUE(runEventsUntil(
        [&] { return status.text() == "Full is full (2/2): waiting for a public place."; }));
    full.freePlace();
    ASSERT_TRUE(runEventsUntil([&] { return game.scriptWritten(); }));
    EXPECT_NE(game.script().find("connect " + formatServerAddress(full.responder->address())),
              std::string::npos);
    EXPECT_EQ(status.text(), "Joined Full.");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}
