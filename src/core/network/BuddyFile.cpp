#include "core/network/BuddyFile.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/ListFile.h"
#include "core/platform/PrintableText.h"
#include "core/platform/TextFile.h"

#include <cctype>
#include <exception>

namespace velkarn {

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// What is wrong with a name as a line of the file; empty when nothing is.
std::string nameProblem(std::string_view name) {
    if (isBlank(name))
        return "a buddy's name must not be empty";
    if (name.size() > MaxBuddyNameBytes)
        return "a buddy's name is at most " + std::to_string(MaxBuddyNameBytes) + " bytes";
    if (hasControlCharacter(name))
        return "a buddy's name must not contain a control character";
    return {};
}

} // namespace

std::string buddyFile(const std::string& appDir) {
    return appDir + "buddies.txt";
}

BuddyFileRead readBuddyFile(const std::string& appDir) {
    const std::string file = buddyFile(appDir);
    BuddyFileRead result;
    if (!pathExists(file))
        return result;
    std::string bytes;
    try {
        bytes = readFileBytes(file);
    } catch (const std::exception& error) {
        result.whole = false;
        result.problems.emplace_back(error.what());
        return result;
    }
    ProblemList problems;
    std::size_t lineCount = 0;
    bool readToEnd = true;
    forEachLine(bytes, [&](std::size_t number, std::string_view line) {
        lineCount = number;
        if (isBlank(line))
            return true;
        if (result.names.size() == MaxBuddies) {
            noteRestLeftOut(file, number, MaxBuddies, "buddies", problems);
            return readToEnd = false;
        }
        if (const std::string problem = nameProblem(line); !problem.empty())
            problems.add(fileLinePrefix(file, number) + problem);
        else
            result.names.emplace_back(line);
        return true;
    });
    // A cut last name is still taken, so saving it back loses nothing.
    result.whole = problems.empty();
    if (readToEnd)
        noteCutLastLine(file, bytes, lineCount, problems);
    result.problems = problems.lines(file);
    return result;
}

void requireBuddyName(const std::string& name) {
    if (const std::string problem = nameProblem(name); !problem.empty())
        throw UserMessage(std::string(1, static_cast<char>(std::toupper(problem[0]))) +
                          problem.substr(1) + "!");
}

void writeBuddyFile(const std::string& appDir, const std::vector<std::string>& names,
                    const BuddyFileRead& lastRead) {
    if (names.size() > MaxBuddies)
        throw UserMessage("There can be at most " + std::to_string(MaxBuddies) + " buddies!");
    for (const std::string& name : names)
        requireBuddyName(name);
    writeListFile(buddyFile(appDir), joinLines(names), lastRead.whole);
}

} // namespace velkarn
