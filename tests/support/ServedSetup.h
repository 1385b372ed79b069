#pragma once

#include "support/GameFolder.h"
#include "support/MapRecords.h"
#include "support/TempFolder.h"

namespace velkarn::test {

// An appDir whose setup "duel" has two maps with bots, on a game folder with a dedicated server
// and "+set sv_fps 30" as its extra command line. The setup's server options are the test's.
inline void writeDuelSetup(const TempFolder& app, GameFolder& game) {
    game.installDedicated();
    app.write("path.txt", game.path() + "\r\n+set sv_fps 30\r\n");
    app.write("maps.txt", mapRecord("gorge1.bsp", "Gorge", 0, true, false, false, false) +
                              mapRecord("vault.bsp", "Vault", 2, true, false, true, false));
    app.write("configs/duel.vkn", "2\r\ngorge1\r\n 1\r\n 20\r\n 10\r\n 1\r\n  Vexor\r\n"
                                  "   3\r\n   \r\nvault\r\n 3\r\n 30\r\n 15\r\n 1\r\n  Krag\r\n"
                                  "   4\r\n   Red\r\n^1Ace\r\n\r\n\r\n0\r\n[None]\r\n");
    app.write("bots.txt", "Krag\r\nVexor\r\n");
}

} // namespace velkarn::test
