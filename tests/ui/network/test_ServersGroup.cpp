#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "ui/network/ServersGroup.h"

using namespace velkarn;
using namespace velkarn::test;

namespace {

class ServersGroupTest : public NetworkPageTest {
protected:
    ServersGroup& group = child<ServersGroup>(page(), "serversGroup");

    void type(const QString& name, const QString& address, const QString& password) {
        group.serverNameEdit->setText(name);
        group.serverAddressEdit->setText(address);
        group.serverPasswordEdit->setText(password);
    }
    void add(const QString& name, const QString& address, const QString& password = "") {
        type(name, address, password);
        group.addServerButton->click();
    }
    void select(int row) { group.savedServerList->selectRow(row); }
    int selectedRow() const {
        const auto rows = group.savedServerList->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.front().row();
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& server : session.setup.servers)
            result.push_back(server->name);
        return result;
    }
};

} // namespace

TEST_F(ServersGroupTest, ShowsTheListReadAtStartUp) {
    model().servers.push_back(std::make_unique<SavedServer>(SavedServer{"Home", "127.0.0.1", ""}));
    group.showServers();
    ASSERT_EQ(group.savedServerList->rowCount(), 1);
    EXPECT_EQ(group.savedServerList->item(0, 0)->text(), "Home");
}

TEST_F(ServersGroupTest, AddWithBothFieldsEmptyShowsBothMessagesNameFirst) {
    add("", "");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"You must enter a server name!",
                                                          "You must enter a server address!"}));
    EXPECT_TRUE(model().servers.empty());
    EXPECT_EQ(group.savedServerList->rowCount(), 0);
}

TEST_F(ServersGroupTest, ServerWithoutPasswordJoinsWithABlankPasswordLine) {
    session.game.setCommandLine("+set fs_debug 1"); // never passed on joining
    add("Home", "127.0.0.1:27960");
    ASSERT_EQ(names(), (std::vector<std::string>{"Home"}));
    select(0);
    group.joinGameButton->click();
    EXPECT_TRUE(dialogs.messages.empty());
    const std::string script = game.script();
    const std::string tail = "password \r\nconnect 127.0.0.1:27960\r\n";
    ASSERT_GE(script.size(), tail.size());
    EXPECT_EQ(script.substr(script.size() - tail.size()), tail);
    EXPECT_EQ(game.arguments(), (Lines{"+exec", "velkarn"}));
}

TEST_F(ServersGroupTest, AddKeepsTheSelectionAndUpdateChangesTheSelectedServer) {
    add("Old", "old.host", "pw");
    select(0);
    add("New", "new.host");
    EXPECT_EQ(names(), (std::vector<std::string>{"Old", "New"}));
    EXPECT_EQ(group.savedServerList->item(1, 0)->text(), "New");
    EXPECT_EQ(selectedRow(), 0);

    type("Renamed", "other.host", "");
    group.updateServerButton->click();
    EXPECT_EQ(names(), (std::vector<std::string>{"Renamed", "New"}));
    EXPECT_EQ(model().servers[0]->address, "other.host");
    EXPECT_EQ(model().servers[0]->password, "");
    EXPECT_EQ(group.savedServerList->item(0, 0)->text(), "Renamed");
    EXPECT_EQ(selectedRow(), 0);

    select(1);
    EXPECT_EQ(group.serverNameEdit->text(), "New");
    EXPECT_EQ(group.serverAddressEdit->text(), "new.host");
    EXPECT_EQ(group.serverPasswordEdit->text(), "");
}

TEST_F(ServersGroupTest, DeleteTheOnlyServerEmptiesListAndFields) {
    add("Home", "127.0.0.1", "pw");
    select(0);
    group.deleteServerButton->click();
    EXPECT_TRUE(model().servers.empty());
    EXPECT_EQ(group.savedServerList->rowCount(), 0);
    EXPECT_TRUE(group.serverNameEdit->text().isEmpty());
    EXPECT_TRUE(group.serverAddressEdit->text().isEmpty());
    EXPECT_TRUE(group.serverPasswordEdit->text().isEmpty());
}

TEST_F(ServersGroupTest, DeleteKeepsListAndRecordsParallelWithNothingSelectedAfter) {
    add("A", "a");
    add("B", "b");
    add("C", "c");
    select(1);
    group.deleteServerButton->click();
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(group.savedServerList->item(1, 0)->text(), "C");
    EXPECT_EQ(selectedRow(), -1);
    group.deleteServerButton->click(); // nothing selected: nothing happens
    group.updateServerButton->click();
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C"}));
}

TEST_F(ServersGroupTest, JoinUsesTheStoredAddressNotTheEditedField) {
    add("Home", "stored.host");
    select(0);
    group.serverAddressEdit->setText("typed.host");
    group.joinGameButton->click();
    const std::string script = game.script();
    EXPECT_NE(script.find("connect stored.host\r\n"), std::string::npos);
    EXPECT_EQ(script.find("typed.host"), std::string::npos);
}

TEST_F(ServersGroupTest, JoinWithoutSelectionAsksForOneAndStartsNothing) {
    add("Home", "127.0.0.1");
    group.joinGameButton->click();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"You must select a server!"}));
    EXPECT_FALSE(game.scriptWritten());
}

TEST_F(ServersGroupTest, UnsafeValuesAreRefusedNamingTheField) {
    add("Home\nquit", "127.0.0.1");
    add("Home", "127.0.0.1\n");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"The server name must not contain a control character!",
                                        "The server address \"127.0.0.1?\" must not contain a "
                                        "control character!"}));
    EXPECT_TRUE(model().servers.empty());
    EXPECT_EQ(group.savedServerList->rowCount(), 0);

    // A name never reaches the script, so quotes and semicolons are fine in it.
    add("\"Joe's\"; LAN", "127.0.0.1");
    ASSERT_EQ(names(), (std::vector<std::string>{"\"Joe's\"; LAN"}));

    add("Home", "127.0.0.1", "pw");
    select(1);
    dialogs.messages.clear();
    type("Home", "127.0.0.1", "a\"b");
    group.updateServerButton->click();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"The server password must not contain a double quote!"}));
    EXPECT_EQ(model().servers[1]->password, "pw");
}
