#include "core/launch/ServerListFile.h"

#include "core/platform/TextFile.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

ServerListType readServerList(const std::string& fileName) {
    const Lines lines = readTextFile(fileName);
    ServerListType servers;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        auto server = std::make_unique<AServer>();
        server->Name = lines[i];
        server->Address = ColumnText(lineAt(lines, i + 1), 2);
        server->Password = ColumnText(lineAt(lines, i + 2), 2);
        servers.push_back(std::move(server));
    }
    return servers;
}

void writeServerList(const std::string& fileName, const ServerListType& servers) {
    Lines lines;
    for (const auto& server : servers) {
        lines.push_back(server->Name);
        lines.push_back(" " + server->Address);
        lines.push_back(" " + server->Password);
    }
    writeTextFile(fileName, lines);
}

} // namespace velkarn
