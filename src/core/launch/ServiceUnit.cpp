#include "core/launch/ServiceUnit.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/platform/Process.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace velkarn {

namespace {

bool isPlainCharacter(char c, std::string_view others) {
    return std::isalnum(static_cast<unsigned char>(c)) || others.find(c) != std::string_view::npos;
}

std::string escaped(char c) {
    switch (c) {
    case '\\':
        return "\\\\";
    case '"':
        return "\\\"";
    case '\n':
        return "\\n";
    case '\t':
        return "\\t";
    case '%':
        return "%%";
    case '$':
        return "$$";
    default:
        break;
    }
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", code);
        return hex;
    }
    return std::string(1, c);
}

// The description expands specifiers.
std::string withoutSpecifiers(const std::string& text) {
    std::string result;
    for (const char c : text)
        result += c == '%' ? std::string("%%") : std::string(1, c);
    return result;
}

} // namespace

std::string systemdQuoted(const std::string& word, ExecWord kind) {
    if (!word.empty() && std::all_of(word.begin(), word.end(),
                                     [](char c) { return isPlainCharacter(c, "+-./:=@_,"); }))
        return word;
    std::string quoted = "\"";
    for (const char c : word)
        quoted += c == '$' && kind == ExecWord::Program ? std::string(1, c) : escaped(c);
    return quoted + "\"";
}

std::string serviceUnitName(const std::string& setupName) {
    std::string name = "velkarn-";
    for (const char c : setupName)
        name += isPlainCharacter(c, "-_.") ? c : '_';
    return name + ".service";
}

std::string serviceUnitText(const std::vector<std::string>& serveCommand,
                            const std::string& setupName) {
    std::vector<std::string> texts = serveCommand;
    texts.push_back(setupName);
    for (const std::string& word : texts)
        if (!isUtf8(word))
            throw UserMessage("A systemd unit cannot carry \"" + printableText(word) +
                              "\": systemd takes only UTF-8 text. Rename what it names to "
                              "serve it as a unit.");
    std::string execStart;
    for (const std::string& word : serveCommand)
        execStart +=
            execStart.empty() ? systemdQuoted(word, ExecWord::Program) : " " + systemdQuoted(word);
    const std::string unit = serviceUnitName(setupName);
    std::vector<std::string> unitCommand = serveCommand;
    unitCommand.emplace_back("--unit");
    return "# The Velkarn setup " + printableText(setupName) +
           " as a dedicated server, a systemd user service.\n"
           "# Install and start it, and keep it running after you log out:\n"
           "#   mkdir -p ~/.config/systemd/user\n"
           "#   " +
           printableText(shellCommandLine(unitCommand)) + " > ~/.config/systemd/user/" + unit +
           "\n"
           "#   systemctl --user daemon-reload\n"
           "#   systemctl --user enable --now " +
           unit +
           "\n"
           "#   loginctl enable-linger\n"
           "[Unit]\n"
           "Description=Velkarn dedicated server: " +
           withoutSpecifiers(printableText(setupName)) +
           "\n"
           "\n"
           "[Service]\n"
           "Type=simple\n"
           "ExecStart=" +
           execStart +
           "\n"
           "Restart=on-failure\n"
           "RestartSec=10\n"
           "WorkingDirectory=~\n"
           "# The stop signal goes to velkarn alone, which asks the engine to quit.\n"
           "KillMode=mixed\n"
           "\n"
           "[Install]\n"
           "WantedBy=default.target\n";
}

std::vector<std::string> serveCommand(const std::string& program, const std::string& appDir,
                                      const std::string& setupName) {
    std::vector<std::string> command = {program};
    if (!appDir.empty())
        command.insert(command.end(), {"--appdir", appDir});
    command.insert(command.end(), {"serve", setupName});
    return command;
}

} // namespace velkarn
