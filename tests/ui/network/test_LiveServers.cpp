#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "support/UdpResponder.h"
#include "ui/network/ServersGroup.h"
#include "ui/widgets/ColoredTextDelegate.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class LiveServersTest : public NetworkPageTest {
protected:
    std::unique_ptr<UdpResponder> good = goodServer("^1Red");
    UdpResponder silent{noAnswer};

    void save(const std::string& name, const ServerAddress& address) {
        model().servers.push_back(
            std::make_unique<SavedServer>(SavedServer{name, formatServerAddress(address), ""}));
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
    const auto changing =
        changingServer("\\sv_hostname\\^4Friends\\mapname\\q3dm17\\sv_maxclients\\8", players);
    save("Friends", changing->address());
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
    ASSERT_TRUE(runEventsUntil([&] { return changing->requestsSeen() >= 2; }));
    EXPECT_TRUE(told.empty());
    *players = {"9 30 \"sarge\""};
    const int asked = changing->requestsSeen();
    ASSERT_TRUE(runEventsUntil([&] { return changing->requestsSeen() >= asked + 3; }));
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
    FullServer full;
    save("Full", full.responder->address());
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
    const int asked = full.responder->requestsSeen();
    runEventsUntil([] { return false; }, 200);
    EXPECT_EQ(full.responder->requestsSeen(), asked) << "a cancelled wait asks no more";
    EXPECT_FALSE(game.scriptWritten());

    wait.click();
    ASSERT_TRUE(runEventsUntil([&] { return full.responder->requestsSeen() >= asked + 2; }));
    full.freePlace();
    ASSERT_TRUE(runEventsUntil([&] { return game.scriptWritten(); }));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(game.script().find("connect " + formatServerAddress(full.responder->address())),
              std::string::npos);
    EXPECT_EQ(status.text(), "Joined Full.");
    EXPECT_EQ(wait.text(), "&Queue to Join");
}
