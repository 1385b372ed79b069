#pragma once

#include <string>

namespace velkarn::test {

// One nine-line record of maps.txt.
std::string mapRecord(const std::string& fileName, const std::string& title, int botCount, bool ffa,
                      bool tourney, bool team, bool ctf);

} // namespace velkarn::test
