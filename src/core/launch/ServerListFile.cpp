#include "core/launch/ServerListFile.h"

#include "core/platform/TextFile.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

SavedServers readServerList(const std::string& fileName) {
    const Lines lines = readTextFile(fileName);
    SavedServers servers;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        auto server = std::make_unique<SavedServer>();
        server->name = lines[i];
        server->address = columnText(lineAt(lines, i + 1), 2);
        server->password = columnText(lineAt(lines, i + 2), 2);
        servers.push_back(std::move(server));
    }
    return servers;
}

void writeServerList(const std::string& fileName, const SavedServers& servers) {
    Lines lines;
    for (const auto& server : servers) {
        lines.push_back(server->name);
        lines.push_back(" " + server->address);
        lines.push_back(" " + server->password);
    }
    writeTextFile(fileName, lines);
}

} // namespace velkarn
