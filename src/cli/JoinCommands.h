#pragma once

#include "core/network/SeatWatcher.h"
#include "core/network/ServerAddress.h"
#include "core/setup/SetupRecords.h"

#include <functional>
#include <ostream>
#include <string>

namespace velkarn {

class Session;

// The player's session for a join from the command line: the list files of `appDir` (their
// problems said on `err`) and the player of configs/default.vkn, the last one played. Throws
// UserMessage without path.txt.
void prepareJoin(Session& session, std::ostream& err);

// The saved server at `server` (its name and password), else one named by its address alone.
SavedServer savedServerAt(const Session& session, const ServerAddress& server);

// How `join` waits for a place (--wait, --give-up MINUTES) and says that it took one.
struct JoinWaiting {
    bool wait = false;
    SeatWatchTiming timing;
    // A desktop notification (title, text); empty: none.
    std::function<void(const std::string&, const std::string&)> notify;
};

// `velkarn join HOST[:PORT] [--wait]`: writes the join script for the server (the password of
// the saved server at that address, if any) and starts the game; the join is noted for
// `recent`. With --wait it first asks the server every few seconds until a public place is free
// (the private slots do not count), saying so on `out`, and joins then with a notification.
// 0 when the game started; 1 with the message on `err` when it could not, or no place came
// free in the time given; 128 + N when signal N (SIGINT, SIGTERM) cancelled the wait.
int runJoinCommand(const std::string& appDir, const ServerAddress& server,
                   const JoinWaiting& waiting, std::ostream& out, std::ostream& err);

// `velkarn recent`: the servers joined, the last joined first, as "last joined<TAB>address<TAB>
// name<TAB>joins<TAB>time played" ("H:MM:SS", "-" when no game of it was seen to end). 0; 1
// with the message on `err` when the results file cannot be opened.
int runRecentCommand(const std::string& appDir, std::ostream& out, std::ostream& err);

} // namespace velkarn
