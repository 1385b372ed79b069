#pragma once

#include <string>
#include <vector>

namespace velkarn::test {

// One nine-line record of maps.txt.
std::string mapRecord(const std::string& fileName, const std::string& title, int botCount, bool ffa,
                      bool tourney, bool team, bool ctf);

// A map as an archive gives it to a search: its map file and its block of the arena text.
struct ArenaMap {
    std::string name; // without ".bsp"
    std::string title;
    int botCount = 0;
    std::string types; // as the arena text's "type" value, e.g. "ffa tourney"
};

// Writes an archive at `path` as zip tools write it, holding each map's file, an arena text of
// them and a bot text naming `bots`, so that a search finds exactly these. Returns the path.
std::string writeContentArchive(const std::string& path, const std::vector<ArenaMap>& maps,
                                const std::vector<std::string>& bots = {});

} // namespace velkarn::test
