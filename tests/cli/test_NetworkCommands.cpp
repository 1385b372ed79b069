#include "cli/NetworkCommands.h"
#include "support/CountryFixture.h"
#include "support/ServerMix.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
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

TEST(ServersCommand, ListsTheServersOfBothFamiliesThatAnIpv6MasterNames) {
    ensureCoreApplication();
    const auto four = goodServer("Four");
    const auto six = goodServer("Six", 0, true);
    UdpResponder master(
        [&](const QByteArray&) {
            return std::vector<QByteArray>{extendedMasterAnswer({six->address()}, false),
                                           extendedMasterAnswer({four->address()}, true)};
        },
        0, false, true);
    TempFolder app;
    app.write("masters.txt", formatServerAddress(master.address()) + " 71\n");
    std::ostringstream out, err;
    EXPECT_EQ(runServersCommand(app.path(), {}, {}, out, err, Quick), 0);
    EXPECT_EQ(err.str(), "");
    std::set<std::string> hosts;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        hosts.insert(line.substr(0, line.find('\t')) + " " + line.substr(line.rfind('\t') + 1));
    EXPECT_EQ(hosts, (std::set<std::string>{formatServerAddress(four->address()) + " Four",
                                            formatServerAddress(six->address()) + " Six"}));

    // --country looks each address up in its family's database.
    const CountryDatabase countries({writeCountryDatabase(app, "v4.dat", false, "FR"),
                                     writeCountryDatabase(app, "v6.dat", true, "JP"), ""});
    ServersArguments japan;
    japan.filter.country = "jp";
    out.str("");
    EXPECT_EQ(runServersCommand(app.path(), {}, japan, out, err, Quick, countries), 0);
    const std::string listed = out.str();
    EXPECT_EQ(listed.substr(0, listed.find('\t')), formatServerAddress(six->address()));
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 1);
}

TEST(ServersCommand, PrintsOnlyTheServersTheFiltersOrBuddiesChoose) {
    ensureCoreApplication();
    const ServerMix mix;
    const auto ports = mix.ports();
    UdpResponder master(
        [ports](const QByteArray&) { return std::vector<QByteArray>{masterAnswer(ports, true)}; });
    TempFolder app;
    const auto hostsPrinted = [&](const ServersArguments& choice, std::string* errors = nullptr) {
        std::ostringstream out, err;
        EXPECT_EQ(runServersCommand(app.path(), {{master.address(), 68}}, choice, out, err, Quick),
                  errors ? 1 : 0);
        if (errors)
            *errors = err.str();
        std::multiset<std::string> hosts; // the last field, or the host and buddies
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
            hosts.insert(
                line.substr(line.find('\t', line.find('\t', line.find('\t') + 1) + 1) + 1));
        return hosts;
    };
    ServersArguments humansNotFull;
    humansNotFull.filter.hasHumans = humansNotFull.filter.hideFull = true;
    EXPECT_EQ(hostsPrinted(humansNotFull),
              (std::multiset<std::string>{"q3tourney2\tPrivate", "q3dm17\tFriends"}));
    ServersArguments searched;
    searched.filter.search = "GRISM";
    searched.filter.game = "baseoa";
    EXPECT_EQ(hostsPrinted(searched), std::multiset<std::string>{"oa_dm1\tBot Camp"});

    ServersArguments buddies;
    buddies.buddiesOnly = true;
    std::string errors;
    EXPECT_TRUE(hostsPrinted(buddies, &errors).empty());
    EXPECT_EQ(errors, app.file("buddies.txt") + " names no buddy.\n");
    app.write("buddies.txt", "^7SARGE\r\nDoom\r\n");
    EXPECT_EQ(hostsPrinted(buddies), std::multiset<std::string>{"q3dm17\tFriends\tSarge,Doom"});
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
                         "VELKARN_RCON_PASSWORD (a server this machine serves from a setup with a "
                         "remote console password file needs neither).\n");
    err.str("");
    EXPECT_EQ(runRconCommand(server->address(), folder.file("none"), "", {"status"}, out, err), 1);
    EXPECT_EQ(err.str(), "Cannot open file " + folder.file("none") + "\n");
    EXPECT_EQ(runRconCommand(server->address(), "", "two words", {"status"}, out, err), 1);
    EXPECT_EQ(server->requestsSeen(), 2);
}

// A server served here from a setup with a password file needs no password given; one given
// wins, and another port has none.
TEST(RconCommand, TakesThePasswordFileOfTheSetupServedThere) {
    ensureCoreApplication();
    const auto server = rconServer("s3cret");
    TempFolder app;
    const std::string port = std::to_string(server->address().port);
    app.write("configs/duel.server", "port=" + port + "\nrconpasswordfile=duel.rcon\n");
    app.write("configs/duel.rcon", "s3cret\n");
    const std::string served = rconPasswordFileFor(app.path(), server->address(), "");
    EXPECT_EQ(served, app.file("configs/duel.rcon"));
    std::ostringstream out, err;
    EXPECT_EQ(runRconCommand(server->address(), served, std::nullopt, {"status"}, out, err), 0)
        << err.str();
    EXPECT_EQ(rconPasswordFileFor(app.path(), server->address(), "/given"), "/given");
    EXPECT_EQ(rconPasswordFileFor(app.path(), {"127.0.0.1", 1}, ""), "");
}
