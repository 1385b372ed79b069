#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "support/ServerMix.h"
#include "support/UdpResponder.h"
#include "ui/network/FindServersWindow.h"
#include "ui/network/ServersGroup.h"
#include "ui/widgets/ColoredTextDelegate.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace velkarn;
using namespace velkarn::test;

namespace {

std::vector<QByteArray> noAnswer(const QByteArray&) {
    return {};
}

// The texts of a column, top to bottom.
QStringList column(const QTableView& table, int column) {
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        texts << cell(table, row, column).toString();
    return texts;
}

void pressEnter(QTableView& table, int row) {
    table.setCurrentIndex(table.model()->index(row, 0));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&table, &enter);
}

class LiveServersTest : public NetworkPageTest {
protected:
    std::unique_ptr<UdpResponder> good = goodServer("^1Red");
    UdpResponder silent{noAnswer};

    void save(const std::string& name, const ServerAddress& address) {
        model().servers.push_back(
            std::make_unique<SavedServer>(SavedServer{name, formatServerAddress(address), ""}));
    }

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

TEST_F(LiveServersTest, SavedServersShowWhatTheyAnswerAndTheirPlayers) {
    save("Mine", good->address());
    save("Gone", silent.address());
    ServersGroup group(session, nullptr, Quick);
    group.showServers();
    group.refreshStatus();
    QTableView& list = child<QTableView>(group, "savedServerTable");
    ASSERT_TRUE(runEventsUntil([&] {
        return cell(list, 0, 2).isValid() && cell(list, 1, 6).isValid();
    })) << "the silent one's round is over when its loss is known";
    EXPECT_EQ(cell(list, 1, 5), "no answer");
    EXPECT_EQ(cell(list, 0, 1), "Red");
    EXPECT_EQ(cell(list, 0, 1, CodedTextRole).toByteArray(), "^1Red");
    EXPECT_EQ(cell(list, 0, 2), "q3dm17");
    EXPECT_EQ(cell(list, 0, 3), "Deathmatch");
    EXPECT_EQ(cell(list, 0, 4), "2/8");
    EXPECT_GE(cell(list, 0, 5).toString().toInt(), 0);
    EXPECT_FALSE(cell(list, 1, 1).isValid());
    EXPECT_EQ(cell(list, 0, 6), "0%");
    EXPECT_EQ(cell(list, 1, 6), "100%");
    EXPECT_EQ(cell(list, 1, 6, Qt::ToolTipRole), "Pings of the last rounds: lost");
    EXPECT_EQ(child<QLabel>(group, "shownCountLabel").text(), "2 shown of 1 answered");
    QStringList captions;
    for (int section = 0; section < list.model()->columnCount(); ++section)
        captions << list.model()->headerData(section, Qt::Horizontal).toString();
    EXPECT_EQ(captions, (QStringList{"Name", "Host Name", "Map", "Game Type", "Players", "Ping",
                                     "Loss", "Buddies"}));

    list.selectRow(0);
    const QTableView& players = child<QTableView>(group, "playerTable");
    const QTableView& settings = child<QTableView>(group, "settingsTable");
    ASSERT_EQ(players.model()->rowCount(), 2);
    EXPECT_EQ(cell(players, 0, 0, CodedTextRole).toByteArray(), "^1Ace"); // best score first
    EXPECT_EQ(cell(players, 0, 1), "12");
    EXPECT_EQ(cell(players, 1, 0), "Bot");
    EXPECT_EQ(cell(players, 1, 3), "Red") << "the server each player is on";
    EXPECT_EQ(column(players, 4), (QStringList{"", "bot"})) << "the one with ping 0 is a bot";
    // Sorted by key: challenge, g_gametype, mapname, sv_hostname, sv_maxclients.
    ASSERT_EQ(settings.model()->rowCount(), 5);
    EXPECT_EQ(cell(settings, 0, 0), "challenge");
    EXPECT_EQ(cell(settings, 3, 0), "sv_hostname");
    EXPECT_EQ(cell(settings, 3, 1), "^1Red");
    EXPECT_EQ(cell(settings, 3, 1, Qt::ToolTipRole), "^1Red") << "a value too wide shows whole";
    EXPECT_GE(settings.columnWidth(0), settings.fontMetrics().horizontalAdvance("sv_maxclients"))
        << "columns fit their contents";
    EXPECT_TRUE(list.isSortingEnabled());
    EXPECT_TRUE(child<QWidget>(group, "pingHistoryChart")
                    .accessibleDescription()
                    .startsWith("Ping over the last "));
    list.selectRow(1);
    EXPECT_EQ(players.model()->rowCount(), 0);
    EXPECT_EQ(settings.model()->rowCount(), 0);
    EXPECT_TRUE(child<QWidget>(group, "pingHistoryChart")
                    .accessibleDescription()
                    .endsWith(": lost (loss 100%)"));
}

// A server copied in changes the list, not the servers already on it: they keep what they said
// and their rounds (the history is the session's).
TEST_F(LiveServersTest, ServersKeepTheirAnswerAndRoundsWhenTheListChanges) {
    save("Mine", good->address());
    ServersGroup group(session, nullptr, Quick);
    group.showServers();
    group.refreshStatus();
    QTableView& list = child<QTableView>(group, "savedServerTable");
    ASSERT_TRUE(runEventsUntil([&] { return cell(list, 0, 6).isValid(); }));
    const QVariant pings = cell(list, 0, 6, Qt::ToolTipRole);
    save("Gone", silent.address());
    emit session.serversChanged();
    ASSERT_EQ(list.model()->rowCount(), 2);
    const int mine = cell(list, 0, 0) == "Mine" ? 0 : 1;
    EXPECT_EQ(cell(list, mine, 1), "Red");
    EXPECT_EQ(cell(list, mine, 6, Qt::ToolTipRole), pings);
}

TEST_F(LiveServersTest, FoundServersFillTheTableAndCanBeSaved) {
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

TEST_F(LiveServersTest, FiltersChooseAmongEveryAnswerShowBuddiesAlwaysAndAreKept) {
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

TEST_F(LiveServersTest, AMasterThatGivesNoListIsNamedAboveTheEmptyList) {
    app.write("masters.txt", formatServerAddress(silent.address()) + " 68\r\n");
    FindServersWindow window(session, Quick);
    search(window);
    const QLabel& problems = child<QLabel>(window, "masterProblemsLabel");
    EXPECT_FALSE(problems.isHidden());
    EXPECT_EQ(problems.text().toStdString(),
              "No answer from " + formatServerAddress(silent.address()) + ".");
}

TEST_F(LiveServersTest, PlayersOfSeveralServersAndAPlayerSearchLeadToTheirServer) {
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

TEST_F(LiveServersTest, KeysRefreshJoinCopyDeleteAndOpenTheRemoteConsole) {
    save("Mine", good->address());
    save("Gone", silent.address());
    save("Third", silent.address());
    ServersGroup group(session, nullptr, Quick);
    group.showServers();
    QTableView& list = child<QTableView>(group, "savedServerTable");
    const auto action = [&](const char* name, const QKeySequence& keys) -> QAction& {
        QAction& found = child<QAction>(group, name);
        EXPECT_EQ(found.shortcut(), keys) << name;
        return found;
    };

    const int asked = good->requestsSeen();
    action("refreshAction", QKeySequence(Qt::Key_F5)).trigger();
    EXPECT_TRUE(runEventsUntil([&] { return good->requestsSeen() > asked; }));

    list.selectRow(0);
    list.selectionModel()->select(list.model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    action("copyAddressesAction", QKeySequence::Copy).trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              formatServerAddress(good->address()) + "\n" + formatServerAddress(silent.address()));

    QString consoleFor;
    QObject::connect(&group, &ServersGroup::remoteConsoleRequested,
                     [&](const QString& address) { consoleFor = address; });
    action("remoteConsoleAction", QKeySequence(Qt::Key_F9)).trigger();
    EXPECT_EQ(consoleFor.toStdString(), formatServerAddress(good->address()));

    dialogs.yesNoAnswers = {false, true};
    action("deleteAction", QKeySequence::Delete).trigger();
    EXPECT_EQ(model().servers.size(), 3u) << "answered No";
    action("deleteAction", QKeySequence::Delete).trigger();
    EXPECT_EQ(dialogs.questions,
              (std::vector<std::string>(2, "Delete the 2 selected saved servers?")));
    ASSERT_EQ(model().servers.size(), 1u);
    EXPECT_EQ(model().servers[0]->name, "Gone");

    pressEnter(list, 0);
    EXPECT_NE(game.script().find("connect " + formatServerAddress(silent.address())),
              std::string::npos);
}

TEST_F(LiveServersTest, ServersAreAskedAgainAndABuddyComingOnIsToldOnce) {
    auto players = std::make_shared<std::vector<std::string>>();
    UdpResponder changing([players](const QByteArray& request) {
        return std::vector<QByteArray>{statusAnswer(
            "\\sv_hostname\\^4Friends\\mapname\\q3dm17\\sv_maxclients\\8", *players, request)};
    });
    save("Friends", changing.address());
    app.write("buddies.txt", "^3Sarge\r\n");
    session.buddies.read();
    std::vector<std::string> told;
    QObject::connect(&session.buddies, &BuddyBook::buddyAppeared,
                     [&](const std::string& buddy, const std::string& host, const std::string&) {
                         told.push_back(buddy + " on " + host);
                     });
    QueryTiming often = Quick;
    often.reaskMs = 50;
    ServersGroup group(session, nullptr, often);
    group.showServers();
    ASSERT_TRUE(runEventsUntil([&] { return changing.requestsSeen() >= 2; }));
    EXPECT_TRUE(told.empty());
    *players = {"9 30 \"sarge\""};
    const int asked = changing.requestsSeen();
    ASSERT_TRUE(runEventsUntil([&] { return changing.requestsSeen() >= asked + 3; }));
    EXPECT_EQ(told, std::vector<std::string>{"sarge on Friends"});
    EXPECT_EQ(cell(child<QTableView>(group, "savedServerTable"), 0, 7), "sarge");
}

TEST_F(LiveServersTest, AddedAndEditedServersAreAskedAtOnceEachEntryOnItsOwn) {
    ServersGroup group(session, nullptr, Quick);
    group.showServers();
    QTableView& list = child<QTableView>(group, "savedServerTable");
    const auto enter = [&](const std::string& name, const ServerAddress& address) {
        child<QLineEdit>(group, "serverNameEdit").setText(QString::fromStdString(name));
        child<QLineEdit>(group, "serverAddressEdit")
            .setText(QString::fromStdString(formatServerAddress(address)));
    };
    enter("Mine", good->address());
    child<QPushButton>(group, "addServerButton").click();
    enter("Mine again", good->address());
    child<QPushButton>(group, "addServerButton").click();
    ASSERT_TRUE(runEventsUntil([&] { return cell(list, 0, 2).isValid(); }));
    ASSERT_TRUE(runEventsUntil([&] { return cell(list, 1, 2) == "q3dm17"; }))
        << "the second entry of an address answered already has its own answer";

    list.selectRow(1);
    enter("Gone", silent.address());
    child<QPushButton>(group, "updateServerButton").click();
    EXPECT_FALSE(cell(list, 1, 2).isValid()) << "the old address's answer is not the new one's";
    ASSERT_TRUE(runEventsUntil([&] { return cell(list, 1, 5) == "no answer"; }));
    enter("Back", good->address());
    child<QPushButton>(group, "updateServerButton").click();
    ASSERT_TRUE(runEventsUntil([&] { return cell(list, 1, 2) == "q3dm17"; }));
    EXPECT_EQ(cell(list, 0, 2), "q3dm17");
}

// Queue to Join waits on a full server, joins when a place frees, and stops when pressed again.
TEST_F(LiveServersTest, JoinWhenFreeJoinsOnceAPlaceFreesAndStopsWhenCancelled) {
    auto players = std::make_shared<std::vector<std::string>>(
        std::vector<std::string>{"1 30 \"Ace\"", "2 40 \"Bee\""});
    UdpResponder full([players](const QByteArray& request) {
        return std::vector<QByteArray>{
            statusAnswer("\\sv_hostname\\Full\\sv_maxclients\\2", *players, request)};
    });
    save("Full", full.address());
    QueryTiming often = Quick;
    often.seatWaitMs = 50;
    ServersGroup group(session, nullptr, often);
    group.showServers();
    child<QTableView>(group, "savedServerTable").selectRow(0);
    auto& wait = child<QPushButton>(group, "joinWhenFreeButton");
    auto& status = child<QLabel>(group, "seatWaitStatus");

    wait.click();
    ASSERT_TRUE(runEventsUntil([&] { return status.text().contains("is full (2/2)"); }));
    wait.click();
    EXPECT_EQ(status.text(), "Stopped waiting for Full.");
    const int asked = full.requestsSeen();
    runEventsUntil([] { return false; }, 200);
    EXPECT_EQ(full.requestsSeen(), asked) << "a cancelled wait asks no more";
    EXPECT_FALSE(game.scriptWritten());

    wait.click();
    ASSERT_TRUE(runEventsUntil([&] { return full.requestsSeen() >= asked + 2; }));
    players->pop_back();
    ASSERT_TRUE(runEventsUntil([&] { return game.scriptWritten(); }));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(game.script().find("connect " + formatServerAddress(full.address())),
              std::string::npos);
    EXPECT_EQ(status.text(), "Joined Full.");
    EXPECT_EQ(wait.text(), "&Queue to Join");
}
