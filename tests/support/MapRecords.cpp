#include "support/MapRecords.h"

#include "support/ZipFixtures.h"

namespace velkarn::test {

std::string mapRecord(const std::string& fileName, const std::string& title, int botCount, bool ffa,
                      bool tourney, bool team, bool ctf) {
    auto flag = [](bool on) { return on ? std::string(" true\r\n") : std::string(" false\r\n"); };
    return fileName + "\r\n /games/" + fileName + ".pk3\r\n " + title + "\r\n " +
           std::to_string(botCount) + "\r\n" + flag(ffa) + flag(tourney) + flag(team) + flag(ctf) +
           "END\r\n";
}

std::string writeContentArchive(const std::string& path, const std::vector<ArenaMap>& maps,
                                const std::vector<std::string>& bots) {
    EntryList entries;
    std::string arenas;
    for (const auto& map : maps) {
        entries.emplace_back("maps/" + map.name + ".bsp", "IBSP");
        arenas += "{\nmap \"" + map.name + "\"\n";
        if (map.botCount > 0) {
            std::string names;
            for (int i = 0; i < map.botCount; ++i)
                names += (i > 0 ? " " : "") + std::string("sarge");
            arenas += "bots \"" + names + "\"\n";
        }
        arenas += "longname \"" + map.title + "\"\ntype \"" + map.types + "\"\n}\n\n";
    }
    entries.emplace_back("scripts/arenas.txt", arenas);
    std::string botText;
    for (const auto& bot : bots)
        botText += "{\nname " + bot + "\n}\n";
    if (!bots.empty())
        entries.emplace_back("scripts/bots.txt", botText);
    return writeZip(path, entries);
}

} // namespace velkarn::test
