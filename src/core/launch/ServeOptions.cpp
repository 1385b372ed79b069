#include "core/launch/ServeOptions.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/setup/ScriptValues.h"

#include <variant>
#include <vector>

namespace velkarn {

namespace {

// One setting of the file: its key, the member it keeps and, for a number, its range.
struct Setting {
    using Member =
        std::variant<int ServeOptions::*, std::string ServeOptions::*, int ServerOptions::*,
                     bool ServerOptions::*, std::string ServerOptions::*>;
    const char* key;
    Member member;
    int low = 0;
    int high = 1;
};

const std::vector<Setting>& settings() {
    static const std::vector<Setting> all = {
        {"port", &ServeOptions::port, 1, 65535},
        {"hostname", &ServerOptions::hostName},
        {"motd", &ServerOptions::motd},
        {"maxclients", &ServerOptions::maxClients, 1, 64},
        {"password", &ServerOptions::password},
        {"pure", &ServerOptions::pure},
        {"maxrate", &ServerOptions::maxRate, 0, 1000000},
        {"weaponrespawn", &ServerOptions::weaponRespawn, 0, 3600},
        {"allowvote", &ServerOptions::allowVote},
        {"synchronous", &ServerOptions::synchronous},
        {"rconpasswordfile", &ServeOptions::rconPasswordFile},
    };
    return all;
}

template <typename Options, typename Value> auto& reach(Options& o, Value ServeOptions::*member) {
    return o.*member;
}
template <typename Options, typename Value> auto& reach(Options& o, Value ServerOptions::*member) {
    return o.server.*member;
}

std::string written(int value) {
    return std::to_string(value);
}
std::string written(bool value) {
    return value ? "1" : "0";
}
std::string written(const std::string& value) {
    return value;
}

int numberIn(const std::string& text, int low, int high) {
    const int value = toInt(text);
    if (value < low || value > high)
        throw UserMessage("'" + text + "' is not a number from " + std::to_string(low) + " to " +
                          std::to_string(high));
    return value;
}

void assign(int& field, const std::string& text, const Setting& setting) {
    field = numberIn(text, setting.low, setting.high);
}
void assign(bool& field, const std::string& text, const Setting&) {
    field = numberIn(text, 0, 1) == 1;
}
void assign(std::string& field, const std::string& text, const Setting&) {
    field = text;
}

} // namespace

std::string serveOptionsPath(const std::string& setupFolder, const std::string& setupName) {
    return withTrailingSlash(setupFolder) + setupName + ".server";
}

bool readServeOptions(const std::string& path, ServeOptions& options) {
    if (!pathExists(path))
        return false;
    const Lines lines = readTextFile(path);
    ServeOptions read = options;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::string where = "Line " + std::to_string(i + 1) + " of " + path + ": ";
        const auto equals = lines[i].find('=');
        const std::string key = lines[i].substr(0, equals);
        const Setting* setting = nullptr;
        for (const Setting& known : settings())
            if (key == known.key)
                setting = &known;
        if (equals == std::string::npos || setting == nullptr)
            throw UserMessage(where + "'" + lines[i] + "' is not a known key=value setting");
        try {
            std::visit(
                [&](auto member) {
                    assign(reach(read, member), lines[i].substr(equals + 1), *setting);
                },
                setting->member);
        } catch (const Error& error) {
            throw UserMessage(where + error.what());
        }
    }
    options = read;
    return true;
}

void writeServeOptions(const std::string& path, const ServeOptions& options) {
    // Refused now rather than by the server that would read them.
    requireSafeScriptValue(options.server.hostName, "host name");
    requireSafeScriptValue(options.server.motd, "message");
    requireSafeScriptValue(options.server.password, "server password", ScriptValueKind::Secret);
    requireSingleLineValue(options.rconPasswordFile, "remote console password file");
    Lines lines;
    for (const Setting& setting : settings())
        lines.push_back(std::string(setting.key) + "=" +
                        std::visit([&](auto member) { return written(reach(options, member)); },
                                   setting.member));
    writeTextFile(path, lines);
}

} // namespace velkarn
