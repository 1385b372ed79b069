#pragma once

#include "cli/ServersArguments.h"
#include "core/network/CountryDatabase.h"
#include "core/network/MasterList.h"
#include "core/network/QueryEngine.h"
#include "core/network/RemoteConsole.h"
#include "core/network/ServerAddress.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The live-server commands. Both run an event loop of their own, so a QCoreApplication must
// exist; they return the program's exit status.
namespace velkarn {

// `velkarn status HOST[:PORT]`: the server's settings as "key<TAB>value" lines, a blank line,
// then "score<TAB>ping<TAB>name" a player, the name without color codes. 0 when the server
// answered; else "No answer from HOST:PORT." on `err` and 1.
int runStatusCommand(const ServerAddress& server, std::ostream& out, std::ostream& err,
                     QueryTiming timing = {});

// `velkarn servers [--master HOST:PORT]... [FILTER]...`: asks the masters (those of masters.txt
// in `appDir` when `masters` is empty) and prints "address<TAB>ping<TAB>players/max<TAB>map<TAB>
// host name" for each server that answers and passes the filters of `choice` (--country: of
// `countries`), as they answer;
// with --buddies only servers with a buddy of buddies.txt on them, their buddies as a sixth
// field. 0 also when none answers; 1 when masters.txt cannot be read or made, or --buddies finds
// no buddy in buddies.txt.
int runServersCommand(const std::string& appDir, std::vector<MasterServer> masters,
                      const ServersArguments& choice, std::ostream& out, std::ostream& err,
                      QueryTiming timing = {},
                      const CountryDatabase& countries = CountryDatabase{});

// The password file rcon uses for `server`: `given` (--password-file) when there is one, else
// that of the setup served on this machine's loopback at the server's port (its
// configs/NAME.server in `appDir`), else none (empty).
std::string rconPasswordFileFor(const std::string& appDir, const ServerAddress& server,
                                const std::string& given);

// `velkarn rcon HOST[:PORT] COMMAND...`: sends the command's words, joined by blanks, to the
// server's remote console with the password from `passwordFile`, else `environmentPassword`
// (VELKARN_RCON_PASSWORD), and prints the reply without color codes. 0 when the server
// answered; 1 with the message on `err` when no password is given or it cannot be sent, when the
// server refuses the password (its reply), or with "No answer from HOST:PORT." when none came.
int runRconCommand(const ServerAddress& server, const std::string& passwordFile,
                   const std::optional<std::string>& environmentPassword,
                   const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
                   RemoteConsoleTiming timing = {});

} // namespace velkarn
