#pragma once

#include "core/platform/NoCase.h"
#include "core/setup/SetupRecords.h"

#include <string>
#include <string_view>

namespace velkarn {

// n blanks; empty when n is 0 or negative.
std::string spaces(long long n);

// The text of 1-based columns from..to (both included), with leading and trailing characters of
// code 32 or less removed. Columns beyond the end reach to the end; an empty text gives empty.
std::string columnText(const std::string& s, long long from, long long to);
// columnText from a column to the end of the text.
std::string columnText(const std::string& s, long long from);

// Removes leading and trailing characters of code 32 or less.
std::string trim(const std::string& s);

// The name without its extension: when there is a "." before the last character, everything
// from the last such "." on is cut and the rest trimmed; otherwise the name unchanged.
std::string mapBaseName(const std::string& fileName);

// The one-line rotation entry text: name padded to 16, short game type padded to 5, "FL=" or
// "CL=", limit padded to 3, "TL=", time limit.
std::string rotationEntryText(const std::string& name, int gameType, int fragLimit, int timeLimit);
std::string rotationEntryText(const RotationEntry& entry);
std::string rotationEntryText(const ServerRotationEntry& entry);

// The one-line roster entry text: the first ten characters of the name, padding, the skill text
// and, with a team column, padding to 15 and the team.
std::string rosterEntryText(const RosterBot& b, bool withTeam);

} // namespace velkarn
