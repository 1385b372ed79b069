#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "ui/network/ServersGroup.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QTableView>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class ServersGroupTest : public NetworkPageTest {
protected:
    ServersGroup& group = child<ServersGroup>(page(), "serversGroup");
    QTableView& list = child<QTableView>(group, "savedServerTable");
    QLineEdit& nameEdit = child<QLineEdit>(group, "serverNameEdit");
    QLineEdit& addressEdit = child<QLineEdit>(group, "serverAddressEdit");
    QLineEdit& passwordEdit = child<QLineEdit>(group, "serverPasswordEdit");

    void type(const QString& name, const QString& address, const QString& password) {
        nameEdit.setText(name);
        addressEdit.setText(address);
        passwordEdit.setText(password);
    }
    void click(const char* button) { child<QPushButton>(group, button).click(); }
    void add(const QString& name, const QString& address, const QString& password = "") {
        type(name, address, password);
        click("addServerButton");
    }
    void select(int row) { list.selectRow(row); }
    int selectedRow() const {
        const auto selected = list.selectionModel()->selectedRows();
        return selected.isEmpty() ? -1 : selected.front().row();
    }
    int rows() const { return list.model()->rowCount(); }
    QString shownName(int row) const { return list.model()->index(row, 0).data().toString(); }
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
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(shownName(0), "Home");
}

TEST_F(ServersGroupTest, AddWithBothFieldsEmptyShowsBothMessagesNameFirst) {
    add("", "");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"You must enter a server name!",
                                                          "You must enter a server address!"}));
    EXPECT_TRUE(model().servers.empty());
    EXPECT_EQ(rows(), 0);
}

TEST_F(ServersGroupTest, ServerWithoutPasswordJoinsWithABlankPasswordLine) {
    session.game.setCommandLine("+set fs_debug 1"); // never passed on joining
    add("Home", "127.0.0.1:27960");
    ASSERT_EQ(names(), (std::vector<std::string>{"Home"}));
    select(0);
    click("joinGameButton");
    EXPECT_TRUE(dialogs.messages.empty());
    const std::string script = game.script();
    const std::string tail = "password \r\nconnect 127.0.0.1:27960\r\n";
    ASSERT_GE(script.size(), tail.size());
    EXPECT_EQ(script.substr(script.size() - tail.size()), tail);
    EXPECT_EQ(game.arguments(), (Lines{"+exec", "velkarn"}));
}

// Reaching the list with Tab chooses the row it shows, so Enter joins that server; Tab leaves
// the list instead of walking its cells.
TEST_F(ServersGroupTest, TabReachesTheListChoosingItsRowAndLeavesItAgain) {
    add("Home", "127.0.0.1:27960");
    list.selectionModel()->clear();
    QFocusEvent reach(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&list, &reach);
    EXPECT_EQ(selectedRow(), 0);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(&list, &tab);
    EXPECT_EQ(list.currentIndex().column(), 0) << "Tab walked into the next cell";
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&list, &enter);
    EXPECT_NE(game.script().find("connect 127.0.0.1:27960"), std::string::npos);
}

// A server joined is listed as played lately, once however often it is joined, and can be
// saved from there.
TEST_F(ServersGroupTest, AJoinedServerIsRecentlyPlayedAndCanBeSavedFromThere) {
    add("Home", "127.0.0.1:27960");
    select(0);
    click("joinGameButton");
    click("joinGameButton");
    auto& recent = child<QTableView>(page(), "recentServerList");
    ASSERT_EQ(rowCount(recent), 1);
    EXPECT_EQ(rowText(recent, 0, 1), "127.0.0.1:27960");
    EXPECT_EQ(rowText(recent, 0, 3), "2");
    selectRows(recent, {0}, 0);
    child<QPushButton>(page(), "saveRecentServerButton").click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(names(), (std::vector<std::string>{"Home", "Home"}));
}

TEST_F(ServersGroupTest, AddKeepsTheSelectionAndUpdateChangesTheSelectedServer) {
    add("Old", "old.host", "pw");
    select(0);
    add("New", "new.host");
    EXPECT_EQ(names(), (std::vector<std::string>{"Old", "New"}));
    EXPECT_EQ(shownName(1), "New");
    EXPECT_EQ(selectedRow(), 0);

    type("Renamed", "other.host", "");
    click("updateServerButton");
    EXPECT_EQ(names(), (std::vector<std::string>{"Renamed", "New"}));
    EXPECT_EQ(model().servers[0]->address, "other.host");
    EXPECT_EQ(model().servers[0]->password, "");
    EXPECT_EQ(shownName(0), "Renamed");
    EXPECT_EQ(selectedRow(), 0);

    select(1);
    EXPECT_EQ(nameEdit.text(), "New");
    EXPECT_EQ(addressEdit.text(), "new.host");
    EXPECT_EQ(passwordEdit.text(), "");
}

TEST_F(ServersGroupTest, DeleteTheOnlyServerEmptiesListAndFields) {
    add("Home", "127.0.0.1", "pw");
    select(0);
    click("deleteServerButton");
    EXPECT_TRUE(model().servers.empty());
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(nameEdit.text().isEmpty());
    EXPECT_TRUE(addressEdit.text().isEmpty());
    EXPECT_TRUE(passwordEdit.text().isEmpty());
}

TEST_F(ServersGroupTest, DeleteKeepsListAndRecordsParallelWithNothingSelectedAfter) {
    add("A", "a");
    add("B", "b");
    add("C", "c");
    select(1);
    click("deleteServerButton");
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(shownName(1), "C");
    EXPECT_EQ(selectedRow(), -1);
    click("deleteServerButton"); // nothing selected: nothing happens
    click("updateServerButton");
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C"}));
}

TEST_F(ServersGroupTest, JoinUsesTheStoredAddressNotTheEditedField) {
    add("Home", "stored.host");
    select(0);
    addressEdit.setText("typed.host");
    click("joinGameButton");
    const std::string script = game.script();
    EXPECT_NE(script.find("connect stored.host\r\n"), std::string::npos);
    EXPECT_EQ(script.find("typed.host"), std::string::npos);
}

TEST_F(ServersGroupTest, JoinWithoutSelectionAsksForOneAndStartsNothing) {
    add("Home", "127.0.0.1");
    click("joinGameButton");
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
    EXPECT_EQ(rows(), 0);

    // A name never reaches the script, so quotes and semicolons are fine in it.
    add("\"Joe's\"; LAN", "127.0.0.1");
    ASSERT_EQ(names(), (std::vector<std::string>{"\"Joe's\"; LAN"}));

    add("Home", "127.0.0.1", "pw");
    select(1);
    dialogs.messages.clear();
    type("Home", "127.0.0.1", "a\"b");
    click("updateServerButton");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"The server password must not contain a double quote!"}));
    EXPECT_EQ(model().servers[1]->password, "pw");
}

TEST_F(ServersGroupTest, BuddiesAreEditedInTheirWindowAndSavedOnOk) {
    app.write("buddies.txt", "Sarge\r\n");
    session.buddies.read();
    std::vector<std::string> messagesWhileOpen;
    dialogs.onModal = [&](QDialog& window) {
        auto& name = child<QLineEdit>(window, "buddyNameEdit");
        for (const char* typed : {"^3Hank", "two\tparts", "SARGE"}) {
            name.setText(typed);
            child<QPushButton>(window, "addBuddyButton").click();
        }
        messagesWhileOpen = dialogs.messages;
        child<QDialogButtonBox>(window, "buttonBox").button(QDialogButtonBox::Ok)->click();
    };
    click("buddiesButton");
    EXPECT_EQ(dialogs.modalWindows, std::vector<std::string>{"buddiesWindow"});
    EXPECT_EQ(messagesWhileOpen,
              std::vector<std::string>{"A buddy's name must not contain a control character!"});
    EXPECT_EQ(app.read("buddies.txt"), "Sarge\r\n^3Hank\r\n") << "SARGE is Sarge already";
    EXPECT_TRUE(session.buddies.list().isBuddy("hank"));

    dialogs.onModal = [&](QDialog& window) {
        auto& names = child<QListView>(window, "buddyList");
        names.selectionModel()->select(names.model()->index(0, 0), QItemSelectionModel::Select);
        child<QPushButton>(window, "removeBuddyButton").click();
        window.reject();
    };
    click("buddiesButton");
    EXPECT_EQ(app.read("buddies.txt"), "Sarge\r\n^3Hank\r\n") << "cancelled";

    // Enter adds what is typed, and with nothing typed closes the window as OK does.
    dialogs.onModal = [&](QDialog& window) {
        auto& name = child<QLineEdit>(window, "buddyNameEdit");
        name.setText("Ace");
        emit name.returnPressed();
        emit name.returnPressed();
        EXPECT_EQ(window.result(), QDialog::Accepted);
    };
    click("buddiesButton");
    EXPECT_EQ(app.read("buddies.txt"), "Sarge\r\n^3Hank\r\nAce\r\n");
    EXPECT_EQ(dialogs.messages.size(), messagesWhileOpen.size()) << "no refusal of an empty name";
}
