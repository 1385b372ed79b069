#include "cli/JoinCommands.h"
#include "support/GameFolder.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct JoinCommandTest : ::testing::Test {
    TempFolder app;
    GameFolder game{true};
    std::ostringstream out, err;

    void SetUp() override {
        ensureCoreApplication(); // Qt loads its SQLite driver only with one
        app.write("path.txt", game.path() + "\r\n\r\n");
        app.write("servers.txt", "Home\r\n 127.0.0.1:27961\r\n pw\r\n");
        app.write("configs/default.vkn", "0\r\n^1Ace\r\nbrute\r\nred\r\n0\r\n[None]\r\n");
    }
    int join(const std::string& address, const JoinWaiting& waiting = {}) {
        return runJoinCommand(app.path(), *parseServerAddress(address), waiting, out, err);
    }
    static JoinWaiting quickWait(int giveUpMs) {
        JoinWaiting waiting;
        waiting.wait = true;
        waiting.timing = {100, giveUpMs, {200, 0, 1, 5}};
        return waiting;
    }
};

} // namespace

// A saved server is joined with its password and name, however its address is written; any
// other address without one. Both are then listed by recent, the last joined first.
TEST_F(JoinCommandTest, JoinsWithTheSavedPasswordAndIsListedByRecent) {
    EXPECT_EQ(join("127.0.0.1:27961"), 0) << err.str();
    EXPECT_TRUE(game.ran());
    const std::string script = game.script();
    EXPECT_NE(script.find("name ^1Ace\r\n"), std::string::npos) << script;
    EXPECT_NE(script.find("password pw\r\nconnect 127.0.0.1:27961\r\n"), std::string::npos)
        << script;

    EXPECT_EQ(join("[::1]:27962"), 0) << err.str();
    EXPECT_NE(game.script().find("password \r\nconnect [::1]:27962\r\n"), std::string::npos);

    EXPECT_EQ(runRecentCommand(app.path(), out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first.substr(19), "\t[::1]:27962\t[::1]:27962\t1\t-");
    EXPECT_EQ(second.substr(19), "\t127.0.0.1:27961\tHome\t1\t-");
}

// Nothing joined, or only a join whose game could not start: recent lists nothing.
TEST_F(JoinCommandTest, RecentWithNothingJoinedPrintsNothing) {
    const GameFolder noGame;
    app.write("path.txt", noGame.path() + "\r\n\r\n");
    EXPECT_NE(join("127.0.0.1:27961"), 0);
    EXPECT_EQ(runRecentCommand(app.path(), out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "");
}

// Four slots, one of them private: three players fill it. The server frees a place after its
// third answer, and the game is joined on the very next one, with a notification.
TEST_F(JoinCommandTest, WaitJoinsTheMomentAPublicPlaceIsFree) {
    const std::string settings = "\\sv_hostname\\Full\\sv_maxclients\\4\\sv_privateClients\\1";
    int answers = 0;
    UdpResponder server([&](const QByteArray& request) {
        std::vector<std::string> players{"5 40 \"Ace\"", "3 60 \"Bee\""};
        if (++answers <= 3)
            players.push_back("1 80 \"Cid\"");
        return std::vector<QByteArray>{statusAnswer(settings, players, request)};
    });
    JoinWaiting waiting = quickWait(10000);
    std::string notified;
    waiting.notify = [&](const std::string& title, const std::string& text) {
        notified = title + ": " + text;
    };
    const std::string address = formatServerAddress(server.address());
    EXPECT_EQ(join(address, waiting), 0) << err.str();
    EXPECT_EQ(server.requestsSeen(), 4);
    EXPECT_EQ(out.str(), address +
                             " is full (3/4, 1 private): waiting for a public place.\n"
                             "A place is free on " +
                             address + " (2/4): joining.\n");
    EXPECT_TRUE(game.ran());
    EXPECT_NE(game.script().find("connect " + address + "\r\n"), std::string::npos);
    EXPECT_EQ(notified, "A place is free: Joining " + address + " (" + address + ")");
}

TEST_F(JoinCommandTest, WaitGivesUpOnAServerThatStaysFullOrSilent) {
    auto full = statusServer("\\sv_maxclients\\1", {"0 50 \"Ace\""});
    EXPECT_EQ(join(formatServerAddress(full->address()), quickWait(2000)), 1);
    EXPECT_EQ(err.str(), "No public place came free on " + formatServerAddress(full->address()) +
                             " in 2 seconds.\n");
    EXPECT_GE(full->requestsSeen(), 3);
    EXPECT_FALSE(game.ran());
}
