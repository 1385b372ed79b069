#include "core/launch/MenuEntry.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <QString>
#include <cstdio>
#include <filesystem>

namespace velkarn {

namespace {

constexpr const char* Reserved = " \t\n\"'\\><~|&;$*?#()`";

// A string value of a desktop entry: line breaks and backslashes escaped, as the desktop's menu
// reads them back.
std::string desktopString(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

bool isUtf8(const std::string& text) {
    const QString decoded = QString::fromUtf8(text);
    return decoded.toUtf8().toStdString() == text && !decoded.contains(QChar::ReplacementCharacter);
}

} // namespace

std::string desktopExecArgument(const std::string& argument) {
    std::string quoted;
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    const bool plain = !argument.empty() && argument.find_first_of(Reserved) == std::string::npos;
    return plain ? quoted : "\"" + quoted + "\"";
}

std::string menuEntryPath(const std::string& applicationsFolder, const std::string& setupName) {
    std::string id;
    for (const char c : setupName) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-') {
            id += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "_%02X", byte);
            id += hex;
        }
    }
    return withTrailingSlash(applicationsFolder) + "velkarn-" + id + ".desktop";
}

std::string menuEntryText(const std::string& setupName, const std::vector<std::string>& command) {
    if (!isUtf8(setupName))
        throw UserMessage("The setup name " + setupName +
                          " is no UTF-8 text, which a menu entry must be.");
    std::string exec;
    for (const std::string& argument : command)
        exec += (exec.empty() ? "" : " ") + desktopExecArgument(argument);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Velkarn: " +
           desktopString(setupName) +
           "\n"
           "Comment=Play the saved setup " +
           desktopString(setupName) +
           "\n"
           "Exec=" +
           desktopString(exec) +
           "\n"
           "Icon=" VELKARN_APP_ID "\n"
           "Terminal=false\n"
           "Categories=Game;ActionGame;\n";
}

std::string addMenuEntry(const std::string& applicationsFolder, const std::string& setupFolder,
                         const std::string& setupName, const std::vector<std::string>& program) {
    const std::string setupFile = withTrailingSlash(setupFolder) + setupName + ".vkn";
    if (setupName.empty() || setupName.find('/') != std::string::npos || !fileExists(setupFile))
        throw UserMessage("There is no saved setup " + setupFile + ".");
    std::vector<std::string> command = program;
    command.insert(command.end(), {"play", setupName});
    const std::string text = menuEntryText(setupName, command);
    if (!createFolder(applicationsFolder))
        throw UserMessage("Cannot create folder " + applicationsFolder);
    std::string path = menuEntryPath(applicationsFolder, setupName);
    writeFileAtomic(path, text);
    return path;
}

bool removeMenuEntry(const std::string& applicationsFolder, const std::string& setupName) {
    std::error_code error;
    return std::filesystem::remove(menuEntryPath(applicationsFolder, setupName), error);
}

} // namespace velkarn
