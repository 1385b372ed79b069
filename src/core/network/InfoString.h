#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The engine's info strings: "\key\value\key\value...", as servers send their settings.
namespace velkarn {

using InfoPairs = std::vector<std::pair<std::string, std::string>>;

// Reads the pairs in order; a key without its value gets an empty one. Control characters
// become "?", so nothing read can break a line of output or of a list file. Input is cut to the
// limits below; pairs past them are dropped.
InfoPairs parseInfoString(std::string_view text);

// The value of the first pair named `key` (compared without regard to case, as the engine
// does), or an empty text.
std::string infoValue(const InfoPairs& pairs, std::string_view key);

} // namespace velkarn
