#pragma once

#include "core/launch/GameScript.h"

#include <string>

// What a dedicated server of a setup runs with besides its rotation, kept beside the setup in
// configs/<name>.server (setup files keep their own format): one "key=value" line a setting.
// `velkarn serve` takes its defaults from there; the windows write it.
namespace velkarn {

// The engine's usual server port.
constexpr int DefaultServePort = 27960;

struct ServeOptions {
    ServerOptions server; // its rconPassword is never kept: the password stays in its own file
    int port = DefaultServePort;
    std::string rconPasswordFile; // as written; a relative path is taken from the configs folder
};

// configs/<setupName>.server.
std::string serveOptionsPath(const std::string& setupFolder, const std::string& setupName);

// Reads the file over `options`: settings it does not name keep their values. False, and
// nothing changed, when there is no such file. Throws FileOpenError when it cannot be read, and
// UserMessage "Line N of FILE: ..." for a line that is no known "key=value" or whose number is
// not a whole number in the setting's range; `options` is then unchanged. Empty lines are
// passed over.
bool readServeOptions(const std::string& path, ServeOptions& options);

// Replaces the file with every setting. Throws UserMessage, before writing, for a text the
// server script would refuse, and FileCreateError; the old file then stays whole.
void writeServeOptions(const std::string& path, const ServeOptions& options);

} // namespace velkarn
