#pragma once

#include <string>
#include <vector>

namespace velkarn {

// Splits a parameter text into arguments the way a shell splits words (blanks separate,
// double quotes group, a doubled quote inside quotes is a quote).
std::vector<std::string> splitParameters(const std::string& parameters);

// The arguments as one line a shell splits back into them: an argument with anything but
// letters, digits and "+-./:=@_,%" is put in single quotes ("'\''" for a quote inside).
std::string shellCommandLine(const std::vector<std::string>& arguments);

// Starts `command` (a program and its arguments) detached, with `workingFolder` as its working
// folder. Returns false when it could not be started; never waits for it.
bool startDetached(const std::vector<std::string>& command, const std::string& workingFolder);

// Whether a process with this number is running (it may belong to another user).
bool processRunning(long long pid);

// Opens a web or mail address with the desktop's default program; false when nothing did.
bool openUrl(const std::string& address);

} // namespace velkarn
