#pragma once

#include "core/platform/TextFile.h"

#include <string>

// The lines of a server script that hold a password, so that a script can be shown, or kept where
// others read it, without them, and made whole again where the server runs.
namespace velkarn {

// What stands for a password in a script that is shown.
constexpr const char* PasswordMask = "********";

struct ServerPasswords {
    std::string rcon; // the remote console's
    std::string join; // the private slots'
};

// The script with the value of every password line made PasswordMask.
Lines maskedScript(const Lines& script);

// The passwords a script's lines hold (empty for one it has no line of).
ServerPasswords scriptPasswords(const Lines& script);

// A masked script with the passwords put back. Throws UserMessage, naming the line, when a
// masked line's password is not given or is one the script cannot carry.
Lines unmaskedScript(const Lines& masked, const ServerPasswords& passwords);

} // namespace velkarn
