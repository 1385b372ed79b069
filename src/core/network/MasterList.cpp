#include "core/network/MasterList.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/ListFile.h"
#include "core/platform/TextFile.h"

#include <cstddef>

namespace velkarn {

namespace {

// Every master is asked at once; a file with more lines than this is a mistake, not a list
// worth flooding the network for.
constexpr std::size_t MaxMasters = 64;

std::optional<MasterServer> parseMasterLine(const std::string& line) {
    const auto blank = line.find(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    const std::string protocolText = line.substr(line.find_first_not_of(' ', blank));
    if (protocolText.empty() || protocolText.size() > 4 ||
        protocolText.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto address = parseServerAddress(line.substr(0, blank), 27950);
    if (!address)
        return std::nullopt;
    return MasterServer{*address, std::stoi(protocolText)};
}

std::string masterLine(const MasterServer& master) {
    return formatServerAddress(master.address) + " " + std::to_string(master.protocol);
}

} // namespace

const std::vector<MasterServer>& wellKnownMasters() {
    static const std::vector<MasterServer> masters{
        {{"master.quake3arena.com", 27950}, 68},
        {{"master.ioquake3.org", 27950}, 71},
        {{"dpmaster.deathmask.net", 27950}, 71},
    };
    return masters;
}

std::string masterListFile(const std::string& appDir) {
    return appDir + "masters.txt";
}

MasterListRead readMasterList(const std::string& appDir) {
    const std::string file = masterListFile(appDir);
    MasterListRead result;
    if (!pathExists(file)) {
        Lines lines;
        for (const MasterServer& master : wellKnownMasters())
            lines.push_back(masterLine(master));
        writeTextFile(file, lines);
        result.masters = wellKnownMasters();
        return result;
    }
    const std::string bytes = readFileBytes(file);
    ProblemList problems;
    std::size_t lineCount = 0;
    bool readToEnd = true;
    forEachLine(bytes, [&](std::size_t number, std::string_view text) {
        lineCount = number;
        std::string line(text);
        line.erase(0, line.find_first_not_of(" \t"));
        line.erase(line.find_last_not_of(" \t") + 1);
        if (line.empty() || line.front() == '#')
            return true;
        if (result.masters.size() == MaxMasters) {
            noteRestLeftOut(file, number, MaxMasters, "master servers", problems);
            return readToEnd = false;
        }
        if (const auto master = parseMasterLine(line))
            result.masters.push_back(*master);
        else
            problems.add(fileLinePrefix(file, number) + "this is not 'host:port protocol'");
        return true;
    });
    // "host:27960 7" cut from "... 71" still reads as a master: it is taken, and said.
    if (readToEnd)
        noteCutLastLine(file, bytes, lineCount, problems);
    result.problems = problems.lines(file);
    return result;
}

} // namespace velkarn
