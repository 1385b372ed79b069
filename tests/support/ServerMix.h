#pragma once

#include "support/UdpResponder.h"

#include <memory>
#include <vector>

namespace velkarn::test {

// Servers on 127.0.0.1 as a list's filters meet them, answering as the engine does:
// - botsOnly "^2Bot Camp", OpenArena's oa_dm1, deathmatch, two bots (ping 0) of 8 slots;
// - full "Full House", q3dm6, team deathmatch, both of its 2 slots taken by people;
// - passworded "Private", q3tourney2, tournament, g_needpass 1, the mod cpma, one of 2 slots;
// - withBuddy "^4Friends", q3dm17, deathmatch, "^3Sa^7rge" and a bot marked "[bot]";
// - empty "Ghost Town", q3dm1, nobody on it.
struct ServerMix {
    std::unique_ptr<UdpResponder> botsOnly, full, passworded, withBuddy, empty;

    ServerMix();
    // Their ports, in the order above.
    std::vector<quint16> ports() const;
};

} // namespace velkarn::test

namespace velkarn::test {

// "Four" on 127.0.0.1, "Six" and "SixToo" on ::1, and a master on ::1 that answers a request
// holding `asked` with them over three packets, Six and Four twice (Four once as an
// IPv4-mapped address).
struct BothFamiliesMaster {
    std::unique_ptr<UdpResponder> four, six, sixToo, master;

    explicit BothFamiliesMaster(const QByteArray& asked);
};

} // namespace velkarn::test
