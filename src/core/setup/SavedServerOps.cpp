#include "core/setup/SavedServerOps.h"

#include "core/platform/Errors.h"
#include "core/setup/ScriptValues.h"

namespace velkarn {

namespace {

bool holds(const SavedServers& servers, int position) {
    return position >= 0 && position < static_cast<int>(servers.size());
}

void store(SavedServer& server, const ServerFields& fields) {
    server.name = fields.name;
    server.address = fields.address;
    server.password = fields.password;
}

} // namespace

void requireSafeServerFields(const ServerFields& fields) {
    requireSingleLineValue(fields.name, "server name");
    requireSafeScriptValue(fields.address, "server address", ScriptValueKind::Word);
    requireSafeScriptValue(fields.password, "server password", ScriptValueKind::Secret);
}

ServerFields fieldsOf(const SavedServer& server) {
    return {server.name, server.address, server.password};
}

std::vector<std::string> serverFieldProblems(const ServerFields& fields) {
    std::vector<std::string> problems;
    if (fields.name.empty())
        problems.emplace_back("You must enter a server name!");
    if (fields.address.empty())
        problems.emplace_back("You must enter a server address!");
    return problems;
}

std::vector<std::string> addServer(SavedServers& servers, const ServerFields& fields) {
    auto problems = serverFieldProblems(fields);
    if (problems.empty()) {
        servers.push_back(std::make_unique<SavedServer>());
        store(*servers.back(), fields);
    }
    return problems;
}

bool updateServer(SavedServers& servers, int position, const ServerFields& fields) {
    if (!holds(servers, position))
        return false;
    store(*servers[static_cast<std::size_t>(position)], fields);
    return true;
}

bool deleteServer(SavedServers& servers, int position) {
    if (!holds(servers, position))
        return false;
    servers.erase(servers.begin() + position);
    return true;
}

const SavedServer& joinTarget(const SavedServers& servers, int selected) {
    if (!holds(servers, selected))
        throw UserMessage("You must select a server!");
    return *servers[static_cast<std::size_t>(selected)];
}

} // namespace velkarn
