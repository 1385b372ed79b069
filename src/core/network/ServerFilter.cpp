#include "core/network/ServerFilter.h"

#include "core/platform/NoCase.h"

namespace velkarn {

bool ServerFilter::active() const {
    return *this != ServerFilter{};
}

bool ServerFilter::accepts(const LiveServer& server) const {
    if (!server.status)
        return !active();
    if (!country.empty() && (!server.country || !equalsNoCase(server.country->code, country)))
        return false;
    const ServerFacts& facts = server.facts;
    if ((hasHumans && facts.humans == 0) || (hideEmpty && facts.players() == 0) ||
        (hideFull && facts.maxPlayers > 0 && facts.players() >= facts.maxPlayers) ||
        (hidePassworded && facts.needsPassword) || (gameType >= 0 && facts.gameType != gameType) ||
        (maxPing > 0 && server.status->pingMs > maxPing))
        return false;
    if (!game.empty()) {
        const std::string wanted = toLower(game);
        if (facts.gameName != wanted && facts.modFolder != wanted)
            return false;
    }
    // Each name stands on a line of its own: a search never runs from one into the next.
    return search.empty() || (search.find('\n') == std::string::npos &&
                              facts.searchText.find(toLower(search)) != std::string::npos);
}

} // namespace velkarn
