#pragma once

#include <string>
#include <vector>

// A saved setup in the desktop's application menu: a desktop entry in the user's applications
// folder ($XDG_DATA_HOME/applications) that starts the setup with "velkarn play NAME".
namespace velkarn {

// One argument of a desktop entry's Exec key, quoted so the desktop's menu splits it back whole: in
// double quotes when it holds a reserved character, with `"`, `` ` ``, `$` and `\` escaped
// inside, "%" doubled so it is no field code.
std::string desktopExecArgument(const std::string& argument);

// The desktop entry's file for `setupName` in `applicationsFolder`: "velkarn-<name>.desktop",
// letters, digits and "-" of the name kept and every other byte written as "_XX" (its
// hexadecimal value), so that two setups never share a file.
std::string menuEntryPath(const std::string& applicationsFolder, const std::string& setupName);

// The text of the desktop entry that runs `command` (the program, its options and
// "play NAME"), named after the setup. Throws UserMessage when the name is no UTF-8 text,
// which desktop entries must be.
std::string menuEntryText(const std::string& setupName, const std::vector<std::string>& command);

// Writes (atomically) the entry for the setup configs/<setupName>.vkn of `setupFolder`, which
// must exist (UserMessage otherwise), making the applications folder when missing; returns the
// entry's path.
std::string addMenuEntry(const std::string& applicationsFolder, const std::string& setupFolder,
                         const std::string& setupName, const std::vector<std::string>& program);

// Removes the setup's entry; false when there was none.
bool removeMenuEntry(const std::string& applicationsFolder, const std::string& setupName);

} // namespace velkarn
