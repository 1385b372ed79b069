#include "support/ServerMix.h"

namespace velkarn::test {

ServerMix::ServerMix()
    : botsOnly(statusServer("\\sv_hostname\\^2Bot Camp\\mapname\\oa_dm1\\g_gametype\\0"
                            "\\sv_maxclients\\8\\gamename\\baseoa\\g_needpass\\0",
                            {"3 0 \"^1Angelyss\"", "1 0 \"Grism\""})),
      full(statusServer("\\sv_hostname\\Full House\\mapname\\q3dm6\\g_gametype\\3"
                        "\\sv_maxclients\\2\\gamename\\baseq3",
                        {"5 40 \"Ranger\"", "2 55 \"Visor\""})),
      passworded(statusServer("\\sv_hostname\\Private\\mapname\\q3tourney2\\g_gametype\\1"
                              "\\sv_maxclients\\2\\g_needpass\\1\\fs_game\\cpma\\gamename\\CPMA",
                              {"0 80 \"Hunter\""})),
      withBuddy(statusServer("\\sv_hostname\\^4Friends\\mapname\\q3dm17\\g_gametype\\0"
                             "\\sv_maxclients\\16\\gamename\\baseq3",
                             {"9 30 \"^3Sa^7rge\"", "4 45 \"Doom\" [bot]"})),
      empty(statusServer("\\sv_hostname\\Ghost Town\\mapname\\q3dm1\\g_gametype\\0"
                         "\\sv_maxclients\\12",
                         {})) {
}

std::vector<quint16> ServerMix::ports() const {
    std::vector<quint16> ports;
    for (const auto* server : {&botsOnly, &full, &passworded, &withBuddy, &empty})
        ports.push_back((*server)->address().port);
    return ports;
}

} // namespace velkarn::test

namespace velkarn::test {

BothFamiliesMaster::BothFamiliesMaster(const QByteArray& asked)
    : four(goodServer("Four")), six(goodServer("Six", 0, true)),
      sixToo(goodServer("SixToo", 0, true)) {
    master = std::make_unique<UdpResponder>(
        [this, asked](const QByteArray& request) {
            if (!request.contains(asked))
                return std::vector<QByteArray>{};
            const ServerAddress mapped{"::ffff:127.0.0.1", four->address().port};
            return std::vector<QByteArray>{
                extendedMasterAnswer({six->address(), four->address()}, false),
                extendedMasterAnswer({mapped, six->address()}, false),
                extendedMasterAnswer({sixToo->address()}, true)};
        },
        0, false, true);
}

} // namespace velkarn::test
