#pragma once

// A real demo from tests/core/demos/fixtures copied into a folder, with the time of its last write
// set as the game's would be when the match ended (the demos are listed and matched by it).
// Targets that include this define DEMO_FIXTURES.

#include "core/platform/TextFile.h"
#include "support/TempFolder.h"

#include <string>
#include <utime.h>

namespace velkarn::test {

inline std::string addDemoFixture(const TempFolder& folder, const std::string& where,
                                  const std::string& fixture, long long modified) {
    const std::string path =
        folder.write(where, readFileBytes(std::string(DEMO_FIXTURES) + "/" + fixture));
    const utimbuf times{modified, modified};
    ::utime(path.c_str(), &times);
    return path;
}

} // namespace velkarn::test
