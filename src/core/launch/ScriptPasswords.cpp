#include "core/launch/ScriptPasswords.h"

#include "core/platform/Errors.h"
#include "core/setup/ScriptValues.h"

#include <array>
#include <string_view>

namespace velkarn {

namespace {

// The server's variables: "rconpassword" (the client's own is "rcon_password") and the private
// slots' "sv_privatePassword".
constexpr std::string_view RconLine = "set rconpassword ";
constexpr std::string_view JoinLine = "sv_privatePassword ";

struct PasswordLine {
    std::string_view prefix;
    std::string ServerPasswords::*password;
    const char* what;
};

constexpr std::array<PasswordLine, 2> PasswordLines{{
    {RconLine, &ServerPasswords::rcon, "remote console password"},
    {JoinLine, &ServerPasswords::join, "server password"},
}};

const PasswordLine* passwordLine(const std::string& line) {
    for (const PasswordLine& kind : PasswordLines)
        if (line.starts_with(kind.prefix))
            return &kind;
    return nullptr;
}

} // namespace

Lines maskedScript(const Lines& script) {
    Lines masked = script;
    for (std::string& line : masked)
        if (const PasswordLine* kind = passwordLine(line))
            line = std::string(kind->prefix) + PasswordMask;
    return masked;
}

ServerPasswords scriptPasswords(const Lines& script) {
    ServerPasswords passwords;
    for (const std::string& line : script)
        if (const PasswordLine* kind = passwordLine(line))
            passwords.*kind->password = line.substr(kind->prefix.size());
    return passwords;
}

Lines unmaskedScript(const Lines& masked, const ServerPasswords& passwords) {
    Lines script = masked;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const PasswordLine* kind = passwordLine(script[i]);
        if (!kind || script[i].substr(kind->prefix.size()) != PasswordMask)
            continue;
        const std::string& password = passwords.*kind->password;
        const std::string where = "Line " + std::to_string(i + 1) + " of the server script";
        if (password.empty())
            throw UserMessage(where + " needs the " + std::string(kind->what) +
                              ", which was not given.");
        if (!isSafeScriptValue(password, kind->password == &ServerPasswords::rcon
                                             ? ScriptValueKind::Word
                                             : ScriptValueKind::Secret))
            throw UserMessage(where + ": the " + std::string(kind->what) +
                              " is not one the server script can carry.");
        script[i] = std::string(kind->prefix) + password;
    }
    return script;
}

} // namespace velkarn
