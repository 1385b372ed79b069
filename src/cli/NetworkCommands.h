#pragma once

#include "core/network/MasterList.h"
#include "core/network/QueryEngine.h"
#include "core/network/ServerAddress.h"

#include <ostream>
#include <string>
#include <vector>

// The live-server commands. Both run an event loop of their own, so a QCoreApplication must
// exist; they return the program's exit status.
namespace velkarn {

// `velkarn status HOST[:PORT]`: the server's settings as "key<TAB>value" lines, a blank line,
// then "score<TAB>ping<TAB>name" a player, the name without colour codes. 0 when the server
// answered; else "No answer from HOST:PORT." on `err` and 1.
int runStatusCommand(const ServerAddress& server, std::ostream& out, std::ostream& err,
                     QueryTiming timing = {});

// `velkarn servers [--master HOST:PORT]...`: asks the masters (those of masters.txt in `appDir`
// when `masters` is empty) and prints "address<TAB>ping<TAB>players/max<TAB>map<TAB>host name"
// for each server that answers, as they answer. 0 also when none answers; 1 when masters.txt
// cannot be read or made.
int runServersCommand(const std::string& appDir, std::vector<MasterServer> masters,
                      std::ostream& out, std::ostream& err, QueryTiming timing = {});

} // namespace velkarn
