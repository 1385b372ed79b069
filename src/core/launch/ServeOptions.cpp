#include "core/launch/ServeOptions.h"

#include "core/launch/ScriptValues.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <functional>
#include <vector>

namespace velkarn {

namespace {

// One setting of the file: its key, how it is written, and how a value is read into it.
struct Setting {
    const char* key;
    std::function<std::string(const ServeOptions&)> write;
    std::function<void(ServeOptions&, const std::string&)> read;
};

int numberIn(const std::string& text, int low, int high) {
    const int value = toInt(text);
    if (value < low || value > high)
        throw UserMessage("'" + text + "' is not a number from " + std::to_string(low) + " to " +
                          std::to_string(high));
    return value;
}

Setting number(const char* key, int ServeOptions::*field, int low, int high) {
    return {key, [field](const ServeOptions& o) { return std::to_string(o.*field); },
            [field, low, high](ServeOptions& o, const std::string& v) {
                o.*field = numberIn(v, low, high);
            }};
}

Setting number(const char* key, int ServerOptions::*field, int low, int high) {
    return {key, [field](const ServeOptions& o) { return std::to_string(o.server.*field); },
            [field, low, high](ServeOptions& o, const std::string& v) {
                o.server.*field = numberIn(v, low, high);
            }};
}

Setting flag(const char* key, bool ServerOptions::*field) {
    return {key,
            [field](const ServeOptions& o) { return std::string(o.server.*field ? "1" : "0"); },
            [field](ServeOptions& o, const std::string& v) {
                o.server.*field = numberIn(v, 0, 1) == 1;
            }};
}

Setting text(const char* key, std::string ServerOptions::*field) {
    return {key, [field](const ServeOptions& o) { return o.server.*field; },
            [field](ServeOptions& o, const std::string& v) { o.server.*field = v; }};
}

const std::vector<Setting>& settings() {
    static const std::vector<Setting> all = {
        number("port", &ServeOptions::port, 1, 65535),
        text("hostname", &ServerOptions::hostName),
        text("motd", &ServerOptions::motd),
        number("maxclients", &ServerOptions::maxClients, 1, 64),
        text("password", &ServerOptions::password),
        flag("pure", &ServerOptions::pure),
        number("maxrate", &ServerOptions::maxRate, 0, 1000000),
        number("weaponrespawn", &ServerOptions::weaponRespawn, 0, 3600),
        flag("allowvote", &ServerOptions::allowVote),
        flag("synchronous", &ServerOptions::synchronous),
        {"rconpasswordfile", [](const ServeOptions& o) { return o.rconPasswordFile; },
         [](ServeOptions& o, const std::string& v) { o.rconPasswordFile = v; }},
    };
    return all;
}

} // namespace

std::string serveOptionsPath(const std::string& configsFolder, const std::string& setupName) {
    return withTrailingSlash(configsFolder) + setupName + ".server";
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
            setting->read(read, lines[i].substr(equals + 1));
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
    requireSafeScriptValue(options.server.password, "server password");
    requireSingleLineValue(options.rconPasswordFile, "remote console password file");
    Lines lines;
    for (const Setting& setting : settings())
        lines.push_back(std::string(setting.key) + "=" + setting.write(options));
    writeTextFile(path, lines);
}

} // namespace velkarn
