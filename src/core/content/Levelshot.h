#pragma once

#include "core/content/ZipMessages.h"

#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// A map's preview picture as stored in its archive.
struct Levelshot {
    enum Format { Jpeg, Tga } format = Jpeg;
    std::string bytes;
};

// Levelshots larger than this are not read: the game shows 512 x 512 pictures at most, and an
// uncompressed 32-bit one of 1024 x 1024 is 4 MiB.
constexpr std::size_t MaxLevelshotBytes = std::size_t{16} * 1024 * 1024;

// The levelshot of `mapName` (without folder and extension) from the archive: the entry
// levelshots\<map>.jpg, else levelshots\<map>.tga, names compared ignoring case as the game's
// file system does. Nothing when there is none; archive problems (damaged data, an unreadable
// archive) go to `onMessage` when one is given.
// Both levelshots of the map that the archive holds, the JPEG one first, so that a damaged
// picture can give way to the other.
std::vector<Levelshot> readLevelshots(const std::string& archivePath, const std::string& mapName,
                                      const ZipMessageHandler& onMessage = {});

std::optional<Levelshot> readLevelshot(const std::string& archivePath, const std::string& mapName,
                                       const ZipMessageHandler& onMessage = {});

} // namespace velkarn
