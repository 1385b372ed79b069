#include "LoopbackServers.h"

#include "support/UdpResponder.h"

#include <memory>
#include <string>

namespace velkarn::bench {

using namespace velkarn::test;

std::vector<QByteArray> realisticAnswer(const QByteArray& request) {
    std::vector<std::string> players;
    for (int i = 0; i < 16; ++i)
        players.push_back(std::to_string(i * 3) + " 50 \"^" + std::to_string(i % 8) + "Player" +
                          std::to_string(i) + "\"");
    return {statusAnswer("\\sv_hostname\\^1Bench ^7Server\\mapname\\q3dm17\\g_gametype\\0"
                         "\\sv_maxclients\\16\\version\\ioq3 1.36\\protocol\\68\\fraglimit\\20"
                         "\\timelimit\\15\\sv_pure\\1\\g_needpass\\0\\sv_floodProtect\\1",
                         players, request)};
}

void LoopbackServers::run() {
    std::vector<std::unique_ptr<UdpResponder>> responders;
    std::vector<quint16> ports;
    for (int i = 0; i < count_; ++i) {
        responders.push_back(std::make_unique<UdpResponder>(realisticAnswer));
        servers.push_back(responders.back()->address());
        ports.push_back(servers.back().port);
    }
    UdpResponder masterResponder([&ports](const QByteArray&) {
        std::vector<QByteArray> packets;
        // 200 records a packet, as real masters split their lists.
        for (std::size_t first = 0; first < ports.size(); first += 200) {
            const auto last = std::min(ports.size(), first + 200);
            packets.push_back(masterAnswer(
                {ports.begin() + static_cast<long>(first), ports.begin() + static_cast<long>(last)},
                last == ports.size()));
        }
        return packets;
    });
    master = masterResponder.address();
    ready.release();
    exec();
}

} // namespace velkarn::bench
