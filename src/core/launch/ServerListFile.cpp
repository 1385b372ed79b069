#include "core/launch/ServerListFile.h"

#include "core/platform/Errors.h"
#include "core/platform/ListFile.h"
#include "core/platform/TextFile.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

// A field line is one blank and the value; a line without the blank (written by hand) is the
// value as it stands, never missing its first character.
std::string fieldValue(const std::string& line) {
    return !line.empty() && line.front() == ' ' ? line.substr(1) : line;
}

} // namespace

SavedServers readServerList(const std::string& fileName, std::vector<std::string>* problems) {
    const std::string bytes = readFileBytes(fileName);
    const Lines lines = splitLines(bytes);
    SavedServers servers;
    ProblemList found;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        auto server = std::make_unique<SavedServer>();
        server->name = lines[i];
        server->address = fieldValue(lineAt(lines, i + 1));
        server->password = fieldValue(lineAt(lines, i + 2));
        if (!server->name.empty() && server->name.front() == ' ')
            found.add(fileLinePrefix(fileName, i + 1) +
                      "a server's name starts with a blank: a line before it may be missing.");
        else if (i + 3 > lines.size())
            found.add(fileLinePrefix(fileName, i + 1) + "the server \"" + server->name +
                      "\" is cut short: its " + (i + 2 > lines.size() ? "address" : "password") +
                      " line is missing.");
        servers.push_back(std::move(server));
    }
    noteCutLastLine(fileName, bytes, lines.size(), found);
    if (problems)
        for (std::string& problem : found.lines(fileName))
            problems->push_back(std::move(problem));
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
