#include "cli/NetworkCommands.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

constexpr QueryTiming Quick{200, 1, 32, 5};

} // namespace

TEST(StatusCommand, PrintsSettingsThenPlayersWithoutColorCodes) {
    ensureCoreApplication();
    const auto server = goodServer("^1Red");
    std::ostringstream out, err;
    EXPECT_EQ(runStatusCommand(server->address(), out, err, Quick), 0);
    EXPECT_EQ(out.str(), "sv_hostname\t^1Red\nmapname\tq3dm17\ng_gametype\t0\nsv_maxclients\t8\n"
                         "challenge\tvelkarn0\n\n12\t48\tAce\n-1\t0\tBot\n");
    EXPECT_EQ(err.str(), "");
}

TEST(StatusCommand, NoAnswerIsAnError) {
    ensureCoreApplication();
    UdpResponder silent([](const QByteArray&) { return std::vector<QByteArray>{}; });
    std::ostringstream out, err;
    EXPECT_EQ(runStatusCommand(silent.address(), out, err, Quick), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "No answer from " + formatServerAddress(silent.address()) + ".\n");
}

TEST(ServersCommand, PrintsEachServerTheMastersListThatAnswers) {
    ensureCoreApplication();
    const auto server = goodServer("^3Yellow");
    UdpResponder silent([](const QByteArray&) { return std::vector<QByteArray>{}; });
    const std::vector<quint16> ports{server->address().port, silent.address().port};
    UdpResponder master(
        [ports](const QByteArray&) { return std::vector<QByteArray>{masterAnswer(ports, true)}; });
    TempFolder app;
    std::ostringstream out, err;
    EXPECT_EQ(runServersCommand(app.path(), {{master.address(), 68}}, {}, out, err, Quick), 0);
    const std::string ping = out.str().substr(out.str().find('\t') + 1);
    EXPECT_EQ(out.str(), formatServerAddress(server->address()) + "\t" +
                             ping.substr(0, ping.find('\t')) + "\t2/8\tq3dm17\tYellow\n");
    EXPECT_EQ(app.read("masters.txt"), "") << "masters given: masters.txt is not made";
}

TEST(RconCommand, PrintsTheReplyOrWhyThereIsNone) {
    ensureCoreApplication();
    constexpr RemoteConsoleTiming Patient{300, 100, 5000};
    const auto server = rconServer("s3cret");
    TempFolder folder;
    const std::string passwordFile = folder.write("rcon.txt", "s3cret\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(
        runRconCommand(server->address(), passwordFile, "ignored", {"status"}, out, err, Patient),
        0);
    EXPECT_NE(out.str().find("\n 0     0    0 Angelyss        bot      "), std::string::npos)
        << out.str();
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(runRconCommand(server->address(), "", "wrong", {"status"}, out, err, Patient), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "Bad rconpassword.\n");

    err.str("");
    UdpResponder silent([](const QByteArray&) { return std::vector<QByteArray>{}; });
    EXPECT_EQ(runRconCommand(silent.address(), "", "s3cret", {"status"}, out, err, Patient), 1);
    EXPECT_EQ(err.str(), "No answer from " + formatServerAddress(silent.address()) + ".\n");

    // Nothing is sent without a password the engine can take.
    err.str("");
    EXPECT_EQ(runRconCommand(server->address(), "", std::nullopt, {"status"}, out, err), 1);
    EXPECT_EQ(err.str(), "rcon needs the server's password: give --password-file FILE or set "
                         "VELKARN_RCON_PASSWORD.\n");
    err.str("");
    EXPECT_EQ(runRconCommand(server->address(), folder.file("none"), "", {"status"}, out, err), 1);
    EXPECT_EQ(err.str(), "Cannot open file " + folder.file("none") + "\n");
    EXPECT_EQ(runRconCommand(server->address(), "", "two words", {"status"}, out, err), 1);
    EXPECT_EQ(server->requestsSeen(), 2);
}
