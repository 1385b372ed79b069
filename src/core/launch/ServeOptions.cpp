#include "core/launch/ServeOptions.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/setup/ScriptValues.h"

#include <optional>
#include <variant>
#include <vector>

namespace velkarn {

namespace {

// One setting of the file: its key, the member it keeps, for a number its range, and for a
// text the field that names it in messages and how the server script carries it (a file name
// never reaches the script).
struct Setting {
    using Member =
        std::variant<int ServeOptions::*, std::string ServeOptions::*, int ServerOptions::*,
                     bool ServerOptions::*, std::string ServerOptions::*>;
    const char* key;
    Member member;
    int low = 0;
    int high = 1;
    const char* field = nullptr;
    std::optional<ScriptValueKind> kind = std::nullopt;
    bool written = true; // false: still read from older files, never written again
};

const std::vector<Setting>& settings() {
    static const std::vector<Setting> all = {
        {"port", &ServeOptions::port, 1, 65535},
        {"hostname", &ServerOptions::hostName, 0, 0, "host name", ScriptValueKind::Text},
        {"motd", &ServerOptions::motd, 0, 0, "message", ScriptValueKind::Text},
        {"maxclients", &ServerOptions::maxClients, 1, 64},
        // The password now lives in a file of its own, readable by its owner alone.
        {"password", &ServerOptions::password, 0, 0, "server password", ScriptValueKind::Secret,
         false},
        {"pure", &ServerOptions::pure},
        {"maxrate", &ServerOptions::maxRate, 0, 1000000},
        {"weaponrespawn", &ServerOptions::weaponRespawn, 0, 3600},
        {"allowvote", &ServerOptions::allowVote},
        {"synchronous", &ServerOptions::synchronous},
        {"passwordfile", &ServeOptions::passwordFile, 0, 0, "server password file"},
        {"rconpasswordfile", &ServeOptions::rconPasswordFile, 0, 0, "remote console password file"},
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
void assign(std::string& field, const std::string& text, const Setting& setting) {
    if (setting.kind)
        requireSafeScriptValue(text, setting.field, *setting.kind);
    else
        requireSingleLineValue(text, setting.field);
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

std::string readServerPasswordFile(const std::string& path) {
    std::string password = lineAt(readTextFile(path), 0);
    if (password.empty())
        throw UserMessage("The password file " + path + " holds no password on its first line.");
    try {
        requireSafeScriptValue(password, "server password", ScriptValueKind::Secret);
    } catch (const UserMessage& refusal) {
        throw UserMessage(fileLinePrefix(path, 1) + refusal.what());
    }
    return password;
}

void keepServerPassword(const std::string& setupFolder, const std::string& setupName,
                        ServeOptions& options) {
    const std::string& password = options.server.password;
    options.passwordFile.clear();
    if (password.empty())
        return;
    requireSafeScriptValue(password, "server password", ScriptValueKind::Secret);
    options.passwordFile = setupName + ".password";
    writeTextFile(withTrailingSlash(setupFolder) + options.passwordFile, {password},
                  WriteErrorKind::FileCreate, FileAccess::OwnerOnly);
}

void writeServeOptions(const std::string& path, const ServeOptions& options) {
    Lines lines;
    for (const Setting& setting : settings()) {
        if (!setting.written)
            continue;
        const std::string value = std::visit(
            [&](auto member) { return written(reach(options, member)); }, setting.member);
        // Refused now rather than by the server that would read them.
        if (setting.kind)
            requireSafeScriptValue(value, setting.field, *setting.kind);
        else if (setting.field)
            requireSingleLineValue(value, setting.field);
        lines.push_back(std::string(setting.key) + "=" + value);
    }
    writeTextFile(path, lines);
}

} // namespace velkarn
