#include "core/network/ServerFilter.h"
#include "core/network/ServerPackets.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

LiveServer answered(const std::string& settings, const std::string& players, int ping = 50,
                    const BuddyList& buddies = {}) {
    const auto status =
        parseStatusResponse("\xff\xff\xff\xffstatusResponse\n" + settings + "\n" + players);
    LiveServer server{"127.0.0.1:27960", {}, {}, {}, {}, {}};
    server.takeAnswer(&*status, buddies);
    server.status->pingMs = ping;
    return server;
}

// A team game of 4 slots with a person, a bot by its ping and a bot by its mark.
const LiveServer Busy =
    answered("\\sv_hostname\\^1Red ^7Arena\\mapname\\Q3DM17\\g_gametype\\3\\sv_maxclients\\4"
             "\\gamename\\baseq3\\fs_game\\OSP\\g_needpass\\1",
             "7 48 \"^5Ha^7nk\"\n3 0 \"Sarge\"\n2 35 \"Major\" [bot]\n");

// A filter with one setting changed by `set`.
template <typename Set> ServerFilter filterWith(Set set) {
    ServerFilter filter;
    set(filter);
    return filter;
}

ServerFilter searchFor(const std::string& text) {
    return filterWith([&](ServerFilter& f) { f.search = text; });
}

} // namespace

TEST(ServerFilter, BotsAreToldApartByPingZeroAndTheirMark) {
    EXPECT_EQ(Busy.facts.humans, 1);
    EXPECT_EQ(Busy.facts.bots, 2);
    EXPECT_TRUE(Busy.status->players[2].botMark);
    EXPECT_EQ(Busy.status->players[2].name, "Major");
    EXPECT_FALSE(Busy.status->players[0].botMark) << "a name holding \"bot\" is no mark";
    EXPECT_FALSE(answered("", "1 20 \"Robot\" nobot\n").status->players[0].isBot());
}

TEST(ServerFilter, EachFilterHidesWhatItNames) {
    const LiveServer botsOnly = answered("\\sv_maxclients\\8", "1 0 \"A\"\n2 0 \"B\"\n");
    const LiveServer empty = answered("\\sv_maxclients\\8", "");
    const LiveServer full = answered("\\sv_maxclients\\1", "1 20 \"A\"\n");
    const auto shown = [](auto set, const LiveServer& server) {
        return filterWith(set).accepts(server);
    };
    EXPECT_FALSE(shown([](ServerFilter& f) { f.hasHumans = true; }, botsOnly));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.hasHumans = true; }, Busy));
    EXPECT_FALSE(shown([](ServerFilter& f) { f.hideEmpty = true; }, empty));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.hideEmpty = true; }, botsOnly));
    EXPECT_FALSE(shown([](ServerFilter& f) { f.hideFull = true; }, full));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.hideFull = true; }, Busy)) << "3 of 4";
    EXPECT_FALSE(shown([](ServerFilter& f) { f.hidePassworded = true; }, Busy));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.hidePassworded = true; }, empty));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.gameType = 3; }, Busy));
    EXPECT_FALSE(shown([](ServerFilter& f) { f.gameType = 0; }, Busy));
    EXPECT_FALSE(shown([](ServerFilter& f) { f.gameType = 0; }, empty))
        << "no g_gametype is no game type";
    EXPECT_TRUE(shown([](ServerFilter& f) { f.game = "osp"; }, Busy)) << "fs_game, case ignored";
    EXPECT_TRUE(shown([](ServerFilter& f) { f.game = "BASEQ3"; }, Busy)) << "gamename";
    EXPECT_FALSE(shown([](ServerFilter& f) { f.game = "cpma"; }, Busy));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.maxPing = 50; }, Busy));
    EXPECT_FALSE(shown([](ServerFilter& f) { f.maxPing = 49; }, Busy));

    // Only g_needpass 1 asks for a password; a server not saying its slots is never full; a
    // game type has up to two digits; a country is named in either case.
    const LiveServer open = answered("\\g_needpass\\0\\g_gametype\\12", "1 20 \"A\"\n");
    EXPECT_TRUE(shown([](ServerFilter& f) { f.hidePassworded = true; }, open));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.hideFull = true; }, open));
    EXPECT_TRUE(shown([](ServerFilter& f) { f.gameType = 12; }, open));
    LiveServer german = open;
    german.country = Country{"DE", "Germany", ""};
    EXPECT_TRUE(shown([](ServerFilter& f) { f.country = "de"; }, german));
    EXPECT_FALSE(shown([](ServerFilter& f) { f.country = "fr"; }, german));
}

TEST(ServerFilter, SearchMatchesHostMapAndPlayersWithoutCodesOrCase) {
    for (const char* text : {"red arena", "q3dm17", "HANK", "ank", "sarge"})
        EXPECT_TRUE(searchFor(text).accepts(Busy)) << text;
    for (const char* text : {"^1red", "5ha", "osp", "arena\nq3"})
        EXPECT_FALSE(searchFor(text).accepts(Busy)) << text;
}

TEST(ServerFilter, SilentServersShowOnlyUnfilteredAndBuddiesAlways) {
    const LiveServer silent{"127.0.0.1:1", {}, {}, {}, {}, {}};
    EXPECT_TRUE(ServerFilter{}.shows(silent));
    EXPECT_FALSE(filterWith([](ServerFilter& f) { f.hideFull = true; }).shows(silent));

    const LiveServer withBuddy =
        answered("\\sv_maxclients\\2", "1 20 \"^2Hank\"\n2 20 \"B\"\n", 400, BuddyList({"hank"}));
    const ServerFilter strict = filterWith([](ServerFilter& f) {
        f.hasHumans = f.hideFull = true;
        f.maxPing = 100;
        f.search = "nobody";
    });
    EXPECT_FALSE(strict.accepts(withBuddy));
    EXPECT_TRUE(strict.shows(withBuddy));
}
