#pragma once

#include <cstddef>
#include <string>
#include <vector>

// buddies.txt in the list-file folder: the buddies' names, one a line, with their color codes
// when the user gave them.
namespace velkarn {

// Every buddy is looked for on every server at every answer; a list longer than this is no
// list of friends. A name longer than this is no player's.
constexpr std::size_t MaxBuddies = 256;
constexpr std::size_t MaxBuddyNameBytes = 128;

struct BuddyFileRead {
    std::vector<std::string> names;
    // "FILE, line N: ..." for each line left out, or why the file could not be read.
    std::vector<std::string> problems;
    // False when the file exists but not all of it was taken: it is then never saved smaller.
    bool whole = true;
};

// "<appDir>buddies.txt".
std::string buddyFile(const std::string& appDir);

// Reads the names; blank lines are skipped. A missing file gives no names. Never throws: a file
// that cannot be read gives its message as the one problem.
BuddyFileRead readBuddyFile(const std::string& appDir);

// Throws UserMessage for a name that cannot be a line of the file: empty or blank, with a control
// character, or longer than MaxBuddyNameBytes.
void requireBuddyName(const std::string& name);

// Replaces the file with `names` (each checked by requireBuddyName, at most MaxBuddies).
// `lastRead` is how the file was read: when not whole, a file smaller than the one there is
// refused, so what could not be read is not lost. Throws UserMessage, or FileCreateError with the
// old file left as it was.
void writeBuddyFile(const std::string& appDir, const std::vector<std::string>& names,
                    const BuddyFileRead& lastRead);

} // namespace velkarn
