#include "core/launch/ServerListOps.h"

#include "core/platform/Errors.h"

namespace velkarn {

namespace {

bool holds(const ServerListType& servers, int position) {
    return position >= 0 && position < static_cast<int>(servers.size());
}

void store(AServer& server, const ServerFields& fields) {
    server.Name = fields.name;
    server.Address = fields.address;
    server.Password = fields.password;
}

} // namespace

ServerFields FieldsOf(const AServer& server) {
    return {server.Name, server.Address, server.Password};
}

std::vector<std::string> ServerFieldProblems(const ServerFields& fields) {
    std::vector<std::string> problems;
    if (fields.name.empty())
        problems.push_back("You must enter a server name!");
    if (fields.address.empty())
        problems.push_back("You must enter a server address!");
    return problems;
}

std::vector<std::string> AddServer(ServerListType& servers, const ServerFields& fields) {
    auto problems = ServerFieldProblems(fields);
    if (problems.empty()) {
        servers.push_back(std::make_unique<AServer>());
        store(*servers.back(), fields);
    }
    return problems;
}

bool UpdateServer(ServerListType& servers, int position, const ServerFields& fields) {
    if (!holds(servers, position))
        return false;
    store(*servers[static_cast<std::size_t>(position)], fields);
    return true;
}

bool DeleteServer(ServerListType& servers, int position) {
    if (!holds(servers, position))
        return false;
    servers.erase(servers.begin() + position);
    return true;
}

const AServer& JoinTarget(const ServerListType& servers, int selected) {
    if (!holds(servers, selected))
        throw UserMessage("You must select a server!");
    return *servers[static_cast<std::size_t>(selected)];
}

} // namespace velkarn
