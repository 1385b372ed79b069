#include "NetworkPageFixture.h"
#include "support/UdpResponder.h"
#include "ui/network/FindServersWindow.h"
#include "ui/network/ServersGroup.h"
#include "ui/widgets/ColoredTextDelegate.h"

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

} // namespace

TEST_F(LiveServersTest, SavedServersShowWhatTheyAnswerAndTheirPlayers) {
    save("Mine", good->address());
    save("Gone", silent.address());
    ServersGroup group(session, nullptr, Quick);
    group.showServers();
    group.refreshStatus();
    QTableWidget& list = *group.savedServerList;
    ASSERT_TRUE(runEventsUntil([&] { return list.item(1, 5) && list.item(0, 5); }));
    EXPECT_EQ(list.item(0, 1)->text(), "Red");
    EXPECT_EQ(list.item(0, 1)->data(CodedTextRole).toByteArray(), "^1Red");
    EXPECT_EQ(list.item(0, 2)->text(), "q3dm17");
    EXPECT_EQ(list.item(0, 3)->text(), "Free For All");
    EXPECT_EQ(list.item(0, 4)->text(), "2/8");
    EXPECT_GE(list.item(0, 5)->text().toInt(), 0);
    EXPECT_EQ(list.item(1, 5)->text(), "no answer");

    list.selectRow(0);
    const QTableWidget& players = *group.serverDetails->playerTable;
    ASSERT_EQ(players.rowCount(), 2);
    EXPECT_EQ(players.item(0, 0)->data(CodedTextRole).toByteArray(), "^1Ace");
    EXPECT_EQ(players.item(0, 1)->text(), "12");
    EXPECT_EQ(group.serverDetails->settingsTable->item(0, 1)->text(), "^1Red");
    list.selectRow(1);
    EXPECT_EQ(players.rowCount(), 0);
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

    window.findServers();
    QTableWidget& table = *window.foundServerTable;
    ASSERT_TRUE(runEventsUntil([&] { return !window.stopButton->isEnabled(); }));
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(window.countLabel->text(), "2 of 3 servers answered");
    table.sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(table.item(0, 0)->text(), "Red");
    EXPECT_EQ(table.item(1, 5)->text().toStdString(), formatServerAddress(odd.address()));

    table.selectRow(1);
    window.addToSavedButton->click();
    ASSERT_EQ(savedRows, 1);
    EXPECT_EQ(model().servers[0]->name, "Semi;\"Q");
    EXPECT_EQ(model().servers[0]->address, formatServerAddress(odd.address()));
    EXPECT_TRUE(dialogs.messages.empty());

    window.findServers();
    window.stopButton->click();
    EXPECT_EQ(window.countLabel->text(), "0 of 0 servers answered, stopped");
    window.addToSavedButton->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"You must select a server!"});
}
