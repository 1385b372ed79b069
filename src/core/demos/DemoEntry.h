#pragma once

#include "core/demos/DemoFacts.h"

#include <string>

// One demo of an installation's data folders, where it lies and what it tells.
namespace velkarn {

struct DemoEntry {
    std::string path;  // the demo file, or the archive holding it
    std::string entry; // the archive's entry ("demos/NAME.dm_71"); empty for a file
    std::string name;  // what the engine's demo command takes: the name below demos/
    std::string mod;   // the mod folder it lies in; empty for the base game's
    unsigned long long size = 0;
    long long modifiedSeconds = 0;
    DemoRead read;

    // The file, or "archive: entry", as messages name it.
    std::string where() const { return entry.empty() ? path : path + ": " + entry; }
};

} // namespace velkarn
