#pragma once

#include <string>

namespace velkarn {

// A field of a tab-separated line: tabs and line ends become blanks, so none can split it;
// an empty field is "-".
std::string tabField(std::string text);

} // namespace velkarn
