#pragma once

#include "core/demos/DemoCache.h"
#include "core/demos/DemoEntry.h"
#include "core/platform/Installation.h"

#include <string>
#include <vector>

// Every demo the engine of an installation can play: in the demos folder of the base game's
// data folder and of each mod's, in the home folder and the base folder, and the demos/ entries
// of their archives. Newest first.
namespace velkarn {

// Whether a file name is a demo's: ends in ".dm_" and a protocol number.
bool isDemoName(const std::string& name);

std::vector<DemoEntry> listDemos(const Installation& installation, DemoCache& cache);
// The same through the cache kept in `cacheFile`, which then keeps what this listing read.
std::vector<DemoEntry> listDemos(const Installation& installation, const std::string& cacheFile);

// The demos of one data or mod folder (`mod` empty for the base game's).
void addFolderDemos(const std::string& folder, const std::string& mod, DemoCache& cache,
                    std::vector<DemoEntry>& demos);

} // namespace velkarn
