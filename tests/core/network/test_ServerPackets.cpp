#include "core/network/InfoString.h"
#include "core/network/ServerAddress.h"
#include "core/network/ServerPackets.h"
#include "core/setup/PlayerName.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

const std::string Oob = "\xff\xff\xff\xff";

std::string record(unsigned char a, unsigned char b, unsigned char c, unsigned char d,
                   std::uint16_t port) {
    return std::string{'\\',
                       static_cast<char>(a),
                       static_cast<char>(b),
                       static_cast<char>(c),
                       static_cast<char>(d),
                       static_cast<char>(port >> 8),
                       static_cast<char>(port & 0xFF)};
}

// An IPv6 record of the extended answer: "/", sixteen address bytes, the port.
std::string record6(unsigned char last, std::uint16_t port, unsigned char first = 0) {
    std::string bytes(16, '\0');
    bytes[0] = static_cast<char>(first);
    bytes[15] = static_cast<char>(last);
    return "/" + bytes + static_cast<char>(port >> 8) + static_cast<char>(port & 0xFF);
}

} // namespace

TEST(ServerPackets, RequestsAreTheEnginesConnectionlessCommands) {
    EXPECT_EQ(statusRequest("x1"), Oob + "getstatus x1");
    EXPECT_EQ(masterRequest(71), Oob + "getservers 71 empty full");
    EXPECT_EQ(extendedMasterRequest(71, true), Oob + "getserversExt Quake3Arena 71 empty full");
    EXPECT_EQ(extendedMasterRequest(68, false),
              Oob + "getserversExt Quake3Arena 68 empty full ipv4");
}

TEST(ServerPackets, StatusAnswerGivesSettingsAndPlayers) {
    const auto status = parseStatusResponse(
        Oob +
        "statusResponse\n\\sv_hostname\\^1Red ^7Arena\\MapName\\q3dm17\\g_gametype\\4"
        "\\sv_maxclients\\16\\lonely\n12 48 \"^1Ace\"\n-3 999 \"Bot \"two\"\n7 20 noquotes\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->hostName(), "^1Red ^7Arena");
    EXPECT_EQ(plainName(status->hostName()), "Red Arena");
    EXPECT_EQ(status->map(), "q3dm17") << "keys compare without regard to case";
    EXPECT_EQ(status->gameType(), "Capture The Flag");
    EXPECT_EQ(status->playersText(), "3/16");
    EXPECT_EQ(infoValue(status->settings, "lonely"), "");
    ASSERT_EQ(status->players.size(), 3u);
    EXPECT_EQ(status->players[0].name, "^1Ace");
    EXPECT_EQ(status->players[1].score, -3);
    EXPECT_EQ(status->players[1].ping, 999);
    EXPECT_EQ(status->players[1].name, "Bot ") << "the name ends at its closing quote";
    EXPECT_EQ(status->players[2].name, "noquotes");
}

TEST(ServerPackets, HostileStatusAnswersStayWithinLimits) {
    EXPECT_FALSE(parseStatusResponse("statusResponse\n\\a\\b"));
    EXPECT_FALSE(parseStatusResponse(Oob + "infoResponse\n\\a\\b"));
    EXPECT_FALSE(parseStatusResponse(Oob + "statusResponseX"));
    ASSERT_TRUE(parseStatusResponse(Oob + "statusResponse")) << "truncated: no settings";

    // Thousands of player lines, huge numbers, a lying slot count, bytes that are not text.
    std::string packet = Oob + "statusResponse\n\\sv_maxclients\\99999999999999\\g_gametype\\"
                               "77\\sv_hostname\\a\x01\tb\x7f\xff\n";
    packet += "99999999999999999 -99999999999 \"" + std::string(300, 'n') + "\r\x02\"\n";
    while (packet.size() < 65000)
        packet += "1 2 \"x\"\n";
    const auto status = parseStatusResponse(packet);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->players.size(), 256u);
    EXPECT_EQ(status->players[0].score, 999999);
    EXPECT_EQ(status->players[0].ping, -999999);
    EXPECT_EQ(status->players[0].name.size(), 128u);
    EXPECT_EQ(status->maxPlayers(), 0) << "not a number the program takes";
    EXPECT_EQ(status->gameType(), "77");
    EXPECT_EQ(status->hostName(), "a??b?\xff") << "control characters never pass";

    std::string manyPairs = Oob + "statusResponse\n";
    for (int i = 0; i < 5000; ++i)
        manyPairs += "\\k\\v";
    EXPECT_EQ(parseStatusResponse(manyPairs)->settings.size(), 512u);
}

TEST(ServerPackets, MasterAnswerListsRecordsUntilTheEndMark) {
    const auto answer = parseMasterAnswer(Oob + "getserversResponse" + record(10, 0, 0, 1, 27960) +
                                          record(10, 0, 0, 2, 0) + record(255, 255, 255, 255, 1) +
                                          record(224, 0, 0, 1, 1) + record(69, 79, 84, 9, 27961) +
                                          std::string("\\EOT\0\0\0", 7));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->complete);
    ASSERT_EQ(answer->servers.size(), 2u) << "port 0, broadcast and multicast are left out";
    EXPECT_EQ(answer->servers[0], (ListedServer{false, {10, 0, 0, 1}, 27960}));
    EXPECT_EQ(answer->servers[1].port, 27961) << "a record starting with EOT is no end mark";

    const auto partial =
        parseMasterAnswer(Oob + "getserversResponse" + record(10, 0, 0, 1, 1) + "\\\x0a\x00");
    ASSERT_TRUE(partial);
    EXPECT_FALSE(partial->complete);
    EXPECT_EQ(partial->servers.size(), 1u) << "a truncated record is dropped";
    EXPECT_TRUE(parseMasterAnswer(Oob + "getserversResponse\\EOT")->complete);
    EXPECT_FALSE(parseMasterAnswer(Oob + "getserversExtRespons"));

    std::string flood = Oob + "getserversResponse";
    for (int i = 0; i < 9000; ++i)
        flood +=
            record(10, 1, static_cast<unsigned char>(i >> 8), static_cast<unsigned char>(i), 1);
    EXPECT_EQ(parseMasterAnswer(flood)->servers.size(), 256u);
}

TEST(ServerPackets, ExtendedMasterAnswerReadsBothFamilies) {
    const auto answer =
        parseMasterAnswer(Oob + "getserversExtResponse" + record(127, 0, 0, 1, 27960) +
                          record6(1, 27961) + record6(0, 1) + record6(1, 1, 0xFF) + record6(1, 0) +
                          record(127, 0, 0, 2, 27962) + std::string("\\EOT\0\0\0", 7));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->extended);
    EXPECT_TRUE(answer->complete);
    ASSERT_EQ(answer->servers.size(), 3u) << "::, multicast and port 0 are left out";
    EXPECT_EQ(answer->servers[1],
              (ListedServer{true, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 27961}));
    EXPECT_EQ(answer->servers[2].port, 27962);

    const auto cut = parseMasterAnswer(Oob + "getserversExtResponse" + record6(1, 5).substr(0, 17));
    EXPECT_TRUE(cut->servers.empty()) << "a truncated IPv6 record is dropped";
    EXPECT_FALSE(cut->complete);
    EXPECT_TRUE(parseMasterAnswer(Oob + "getserversResponse" + record6(1, 5))->servers.empty())
        << "the plain answer has no IPv6 records";
}

TEST(ServerAddresses, HostPortAndBracketedIpv6) {
    EXPECT_EQ(parseServerAddress("localhost"), (ServerAddress{"localhost", 27960}));
    EXPECT_EQ(parseServerAddress("127.0.0.1:27961"), (ServerAddress{"127.0.0.1", 27961}));
    EXPECT_EQ(parseServerAddress("[::1]:5"), (ServerAddress{"::1", 5}));
    EXPECT_EQ(parseServerAddress("[::1]"), (ServerAddress{"::1", 27960}));
    EXPECT_EQ(parseServerAddress("::1"), (ServerAddress{"::1", 27960}));
    for (const char* bad : {"", ":1", "a:0", "a:65536", "a:x", "[::1", "[]:1", "[::1]x", "a b",
                            "127.0.0.1:1:2", "[127.0.0.1]", "h;quit", "h/*x"})
        EXPECT_FALSE(parseServerAddress(bad)) << bad;
    EXPECT_EQ(formatServerAddress({"::1", 7}), "[::1]:7");
}
