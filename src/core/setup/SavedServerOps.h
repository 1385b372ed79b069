#pragma once

#include "core/setup/SetupRecords.h"

#include <string>
#include <vector>

// The data side of the saved servers: the editing fields, adding, updating, deleting
// and the server a join goes to. Positions are list positions (-1 for no selection).
namespace velkarn {

struct ServerFields {
    std::string name, address, password;
};

ServerFields fieldsOf(const SavedServer& server);

// The messages that stop an add, in the order they are shown: "You must enter a server name!"
// for an empty name, then "You must enter a server address!" for an empty address.
std::vector<std::string> serverFieldProblems(const ServerFields& fields);

// Throws UserMessage for a field that must not be stored: the address and password end up in
// the join script verbatim, so they must be safe script values; the name only has to stay on
// its line of servers.txt, so it may hold ";" and '"' but no control character. Typed fields and
// servers taken from the network pass the same check.
void requireSafeServerFields(const ServerFields& fields);

// Appends a server from the fields unless serverFieldProblems finds something; returns those
// messages (empty when the server was added). Blank-only names and repeated names are accepted.
std::vector<std::string> addServer(SavedServers& servers, const ServerFields& fields);

// Stores the fields into the server at `position`; false (nothing changed) without one.
bool updateServer(SavedServers& servers, int position, const ServerFields& fields);

// Removes the server at `position`; false (nothing changed) without one.
bool deleteServer(SavedServers& servers, int position);

// The server a join goes to: the stored record at `selected`, not what the fields show.
// Throws UserMessage "You must select a server!" when no server is selected.
const SavedServer& joinTarget(const SavedServers& servers, int selected);

} // namespace velkarn
