#pragma once

#include "core/launch/GameScript.h"

#include <string>

// What a dedicated server of a setup runs with besides its rotation, kept beside the setup in
// configs/<name>.server (setup files keep their own format): one "key=value" line a setting.
// `velkarn serve` takes its defaults from there; the windows write it.
namespace velkarn {

// The engine's usual server port.
constexpr int DefaultServePort = 27960;

// The passwords stay in files of their own, readable by their owner alone: a setting of the
// file, or an argument of a command line, is read by every user of the machine.
struct ServeOptions {
    ServerOptions server; // its passwords are never written to the file
    int port = DefaultServePort;
    // As written; a relative path is taken from the configs folder.
    std::string passwordFile;     // the join password (the private slots), on its first line
    std::string rconPasswordFile; // the remote console password, on its first line
};

// configs/<setupName>.server.
std::string serveOptionsPath(const std::string& setupFolder, const std::string& setupName);

// Reads the file over `options`: settings it does not name keep their values. False, and
// nothing changed, when there is no such file. Throws FileOpenError when it cannot be read, and
// UserMessage "Line N of FILE: ..." for a line that is no known "key=value", whose number is
// not a whole number in the setting's range, or whose text the server script would refuse (the
// console rule, ScriptValues.h); `options` is then unchanged. Empty lines are passed over. A
// "password=" line of older files is still read.
bool readServeOptions(const std::string& path, ServeOptions& options);

// The join password on the first line of `path`. Throws FileOpenError when the file cannot be
// read, and UserMessage naming the file when its first line is empty or a password the server
// script cannot carry.
std::string readServerPasswordFile(const std::string& path);

// Keeps the join password of `options` in configs/<setupName>.password, readable by its owner
// alone, and names that file in options.passwordFile; without a password it names none. Throws
// UserMessage for a password the server script would refuse, FileCreateError.
void keepServerPassword(const std::string& setupFolder, const std::string& setupName,
                        ServeOptions& options);

// Replaces the file with every setting but the passwords. Throws UserMessage, before writing,
// for a text the server script would refuse, and FileCreateError; the old file then stays
// whole.
void writeServeOptions(const std::string& path, const ServeOptions& options);

} // namespace velkarn
