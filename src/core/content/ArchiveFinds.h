#pragma once

#include "core/content/CatalogueIndex.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What one archive gave a search, in the order its entries were met, kept apart from the
// catalogue: merged in again, the same finds of the same archives in the same order always give
// the same catalogue, whether the archives were opened this time or their finds were kept.
namespace velkarn {

// A map entry: the map file's name in lower case, with ".bsp".
struct MapFind {
    std::string fileName;
    bool operator==(const MapFind&) const = default;
};

// The names of one bot text, as it lists them.
struct BotTextFind {
    std::vector<std::string> names;
    bool operator==(const BotTextFind&) const = default;
};

// One block of an arena text: the map as the text names it (without ".bsp") and what the block
// says of it.
struct ArenaFind {
    std::string mapName;
    std::optional<int> botCount;
    std::optional<std::string> longName;
    // Deathmatch, tournament, team deathmatch, capture the flag.
    std::optional<std::array<std::uint8_t, 4>> gameTypes;
    bool operator==(const ArenaFind&) const = default;
};

// An entry of a model folder below models\players\. Whether it adds the model or its skin
// depends on what earlier archives gave, so the facts are kept, not the outcome.
struct ModelFind {
    enum class Skin : std::uint8_t { None, Named, Refused };
    std::string model;
    bool folderHasMesh = false; // from this entry on (see MeshLookahead)
    Skin skinKind = Skin::None;
    std::string skin;
    bool operator==(const ModelFind&) const = default;
};

using Find = std::variant<MapFind, BotTextFind, ArenaFind, ModelFind>;

struct ArchiveFinds {
    std::vector<Find> finds;
    // Names refused whatever the catalogue holds (see CatalogueIndex::leaveOutNames).
    int leftOutNames = 0;
    bool operator==(const ArchiveFinds&) const = default;
};

// Merges an archive's finds into the catalogue as reading the archive there and then would.
void mergeFinds(const ArchiveFinds& finds, const std::string& archivePath, CatalogueIndex& index);

} // namespace velkarn
