#include "core/network/ServerFacts.h"

#include "core/platform/NoCase.h"

namespace velkarn {

ServerFacts factsOf(const ServerStatus& status) {
    ServerFacts facts;
    for (const PlayerLine& player : status.players)
        ++(player.isBot() ? facts.bots : facts.humans);
    facts.maxPlayers = status.maxPlayers();
    facts.needsPassword = infoValue(status.settings, "g_needpass") == "1";
    const std::string gameType = infoValue(status.settings, "g_gametype");
    if (!gameType.empty() && gameType.size() <= 2 &&
        gameType.find_first_not_of("0123456789") == std::string::npos)
        facts.gameType = std::stoi(gameType);
    facts.gameName = toLower(infoValue(status.settings, "gamename"));
    facts.modFolder = toLower(infoValue(status.settings, "fs_game"));
    facts.searchText = foldedName(status.hostName()) + '\n' + toLower(status.map());
    for (const PlayerLine& player : status.players)
        facts.searchText += '\n' + foldedName(player.name);
    return facts;
}

} // namespace velkarn
