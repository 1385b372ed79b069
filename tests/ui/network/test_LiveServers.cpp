#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "support/UdpResponder.h"
#include "ui/network/FindServersWindow.h"
#include "ui/network/ServersGroup.h"
#include "ui/widgets/ColoredTextDelegate.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace velkarn;
using namespace velkarn::test;

namespace {

constexpr QueryTiming Quick{200, 1, 32, 5};

std::vector<QByteArray> noAnswer(const QByteArray&) {
    return {};
}

class LiveServersTest : public NetworkPageTest {
protected:
    std::unique_ptr<UdpResponder> good = goodServer("^1Red");
    UdpResponder silent{noAnswer};

    void save(const std::string& name, const ServerAddress& address) {
        model().servers.push_back(
            std::make_unique<SavedServer>(SavedServer{name, formatServerAddress(address), ""}));
    }
};

// A table's cell as shown, or its coded text with `role`.
QVariant cell(const QTableView& table, int row, int column, int role = Qt::DisplayRole) {
    return table.model()->index(row, column).data(role);
}

} // namespace

TEST_F(LiveServersTest, SavedServersShowWhatTheyAnswerAndTheirPlayers) {
    save("Mine", good->address());
    save("Gone", silent.address());
    ServersGroup group(session, nullptr, Quick);
    group.showServers();
    group.refreshStatus();
    QTableView& list = child<QTableView>(group, "savedServerTable");
    ASSERT_TRUE(runEventsUntil(
        [&] { return cell(list, 0, 2).isValid() && cell(list, 1, 5).toString() == "no answer"; }));
    EXPECT_EQ(cell(list, 0, 1), "Red");
    EXPECT_EQ(cell(list, 0, 1, CodedTextRole).toByteArray(), "^1Red");
    EXPECT_EQ(cell(list, 0, 2), "q3dm17");
    EXPECT_EQ(cell(list, 0, 3), "Free For All");
    EXPECT_EQ(cell(list, 0, 4), "2/8");
    EXPECT_GE(cell(list, 0, 5).toString().toInt(), 0);
    EXPECT_FALSE(cell(list, 1, 1).isValid());

    list.selectRow(0);
    const QTableView& players = child<QTableView>(group, "playerTable");
    const QTableView& settings = child<QTableView>(group, "settingsTable");
    ASSERT_EQ(players.model()->rowCount(), 2);
    EXPECT_EQ(cell(players, 0, 0, CodedTextRole).toByteArray(), "^1Ace"); // best score first
    EXPECT_EQ(cell(players, 0, 1), "12");
    EXPECT_EQ(cell(players, 1, 0), "Bot");
    // Sorted by key: challenge, g_gametype, mapname, sv_hostname, sv_maxclients.
    ASSERT_EQ(settings.model()->rowCount(), 5);
    EXPECT_EQ(cell(settings, 0, 0), "challenge");
    EXPECT_EQ(cell(settings, 3, 0), "sv_hostname");
    EXPECT_EQ(cell(settings, 3, 1), "^1Red");
    list.selectRow(1);
    EXPECT_EQ(players.model()->rowCount(), 0);
    EXPECT_EQ(settings.model()->rowCount(), 0);
}

TEST_F(LiveServersTest, FoundServersFillTheTableAndCanBeSaved) {
    // A host name with ";" and '"' is a fine name for the list file; its color codes go.
    UdpResponder odd([](const QByteArray& request) {
        return std::vector<QByteArray>{
            statusAnswer("\\sv_hostname\\^3Semi;\"Q\\mapname\\x", {}, request)};
    });
    const std::vector<quint16> ports{good->address().port, silent.address().port,
                                     odd.address().port};
    UdpResponder master(
        [ports](const QByteArray&) { return std::vector<QByteArray>{masterAnswer(ports, true)}; });
    app.write("masters.txt", formatServerAddress(master.address()) + " 68\r\n");
    FindServersWindow window(session, Quick);
    int savedRows = -1;
    QObject::connect(&session, &Session::serversChanged,
                     [&] { savedRows = static_cast<int>(session.setup.servers.size()); });

    QTableView& table = child<QTableView>(window, "foundServerTable");
    QPushButton& stop = child<QPushButton>(window, "stopButton");
    const QLabel& count = child<QLabel>(window, "countLabel");
    window.findServers();
    ASSERT_TRUE(runEventsUntil([&] { return !stop.isEnabled(); }));
    ASSERT_EQ(table.model()->rowCount(), 2);
    EXPECT_EQ(count.text(), "2 of 3 servers answered");
    table.sortByColumn(0, Qt::AscendingOrder); // "Red" before "Semi", the codes not counted
    EXPECT_EQ(cell(table, 0, 0), "Red");
    EXPECT_EQ(cell(table, 1, 5).toString().toStdString(), formatServerAddress(odd.address()));

    table.selectRow(1);
    child<QPushButton>(window, "addToSavedButton").click();
    ASSERT_EQ(savedRows, 1);
    EXPECT_EQ(model().servers[0]->name, "Semi;\"Q");
    EXPECT_EQ(model().servers[0]->address, formatServerAddress(odd.address()));
    EXPECT_TRUE(dialogs.messages.empty());

    window.findServers();
    stop.click();
    EXPECT_EQ(count.text(), "0 of 0 servers answered, stopped");
    child<QPushButton>(window, "addToSavedButton").click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"You must select a server!"});
}
