#include "support/MapRecords.h"

namespace velkarn::test {

std::string mapRecord(const std::string& fileName, const std::string& title, int botCount, bool ffa,
                      bool tourney, bool team, bool ctf) {
    auto flag = [](bool on) { return on ? std::string(" true\r\n") : std::string(" false\r\n"); };
    return fileName + "\r\n /games/" + fileName + ".pk3\r\n " + title + "\r\n " +
           std::to_string(botCount) + "\r\n" + flag(ffa) + flag(tourney) + flag(team) + flag(ctf) +
           "END\r\n";
}

} // namespace velkarn::test
