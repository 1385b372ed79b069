#include "core/network/RconText.h"

#include "core/network/ServerStatus.h"
#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"

#include <algorithm>

namespace velkarn {

namespace {

bool isControlCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

} // namespace

void requireRconPassword(const std::string& password) {
    const bool oneToken =
        !password.empty() && password.size() <= MaxRconTextBytes / 2 &&
        std::all_of(password.begin(), password.end(),
                    [](char c) { return c > ' ' && c < 127 && c != '"' && c != '%'; }) &&
        password.find("//") == std::string::npos && password.find("/*") == std::string::npos;
    if (!oneToken)
        throw UserMessage("The remote console password must be one word of printable ASCII "
                          "characters, without a blank, a double quote, a percent sign, \"//\" "
                          "or \"/*\": the engine cannot take it as one word.");
}

void requireRconCommand(const std::string& command, const std::string& password) {
    if (std::any_of(command.begin(), command.end(), isControlCharacter))
        throw UserMessage("The remote console command must not contain a line end or another "
                          "control character!");
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
        std::string line = plainName(std::string(reply.substr(0, end)));
        std::replace_if(
            line.begin(), line.end(), [](char c) { return isControlCharacter(c) && c != '\t'; },
            '?');
        text += line;
        if (end < reply.size())
            text += '\n';
        reply.remove_prefix(std::min(end + 1, reply.size()));
    }
    return text;
}

} // namespace velkarn
