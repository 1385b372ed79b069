#pragma once

#include <string>

namespace velkarn::bench {

// Shape of the generated game folder.
constexpr int MapPacks = 44;
constexpr int ModelPacks = 4;
constexpr int BotPacks = 2;
constexpr int ArchiveCount = MapPacks + ModelPacks + BotPacks;
constexpr int EntryCount = 40000;

// Makes (once; a later call finds it complete and reuses it) a game folder below `root` with
// 50 archives holding 40,000 entries: map packs with maps, levelshots, arena texts and filler
// textures; model packs with meshes and head skins; bot packs with bot texts. Filler is stored
// random data, so the archives are large but quick to write. Returns the game folder ("/" at
// the end).
std::string ensureCorpus(const std::string& root);

// Shape of the map collection: a player's downloaded maps, one archive a map.
constexpr int CollectionArchives = 3000;

// Makes (once, like ensureCorpus) a game folder below `root` with 3,000 archives of one map
// each: the map, its arena text, its levelshot and 25 to 60 textures, about 150,000 entries in
// all. Returns the game folder ("/" at the end).
std::string ensureMapCollection(const std::string& root);

} // namespace velkarn::bench
