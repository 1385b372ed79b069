#include "core/network/RconText.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/platform/TextFile.h"
#include "core/setup/PlayerName.h"
#include "core/setup/ScriptValues.h"

#include <algorithm>

namespace velkarn {

void requireRconPassword(const std::string& password) {
    // The messages leave the password out: they may end up in a log.
    if (password.empty())
        throw UserMessage("The remote console password is empty.");
    if (password.find('%') != std::string::npos)
        throw UserMessage("The remote console password must not contain a percent sign: the "
                          "engine reads it as a dot, so the password would never match.");
    const std::string problem = scriptValueProblem(password, ScriptValueKind::ConsoleWord);
    if (!problem.empty() || password.size() > MaxScriptValueBytes)
        throw UserMessage("The remote console password must be one word of at most " +
                          std::to_string(MaxScriptValueBytes) +
                          " printable ASCII characters: the engine takes no other" +
                          (problem.empty() ? "" : ", and it must not " + problem) + ".");
}

void requireRconCommand(const std::string& command, const std::string& password) {
    requireSingleLineValue(command, "remote console command");
    const std::size_t text =
        std::string_view("rcon ").size() + password.size() + 1 + command.size();
    if (text > MaxRconTextBytes)
        throw UserMessage("The remote console command is too long: with the password it must "
                          "fit in " +
                          std::to_string(MaxRconTextBytes) + " bytes.");
}

std::string readPasswordFile(const std::string& path) {
    const Lines lines = readTextFile(path);
    const std::string password = lineAt(lines, 0);
    if (password.empty())
        throw UserMessage("The password file " + path + " holds no password on its first line.");
    requireRconPassword(password);
    return password;
}

bool isRconRefusal(std::string_view reply) {
    return reply == "Bad rconpassword.\n" || reply == "No rconpassword set on the server.\n";
}

std::string plainConsoleText(std::string_view reply) {
    std::string text;
    while (!reply.empty()) {
        const std::size_t end = std::min(reply.find('\n'), reply.size());
        text += printableText(plainName(std::string(reply.substr(0, end))));
        if (end < reply.size())
            text += '\n';
        reply.remove_prefix(std::min(end + 1, reply.size()));
    }
    return text;
}

} // namespace velkarn
