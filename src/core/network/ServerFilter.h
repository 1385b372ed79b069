#pragma once

#include "core/network/LiveServer.h"

#include <string>

namespace velkarn {

// Which servers a list shows. Filters never stop a server from being asked: they only choose,
// among the answers, those worth showing. A server with a buddy on it is shown whatever they say.
struct ServerFilter {
    bool hasHumans = false;      // at least one player who is not a bot
    bool hideEmpty = false;      // at least one player, bot or human
    bool hideFull = false;       // a free slot
    bool hidePassworded = false; // no password needed to join
    int gameType = -1;           // that "g_gametype" only; -1 for any
    std::string game;            // "gamename" or "fs_game" is this, without regard to case
    int maxPing = 0;             // at most this ping; 0 for any
    // The host name, map or a player's name holds this, color codes and case not counted.
    std::string search;
    std::string country; // the country code of its address, without regard to case

    // Whether any filter is set: only then is a server that did not answer left out.
    bool active() const;
    // Whether the server passes every filter set.
    bool accepts(const LiveServer& server) const;
    // Whether a list shows the server: it passes, or a buddy is on it.
    bool shows(const LiveServer& server) const {
        return !server.buddies.empty() || accepts(server);
    }

    friend bool operator==(const ServerFilter&, const ServerFilter&) = default;
};

} // namespace velkarn
