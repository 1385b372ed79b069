#pragma once

#include <string>
#include <string_view>

// Texts compared and ordered without regard to case, as the engine does: A to Z only.
namespace velkarn {

bool equalsNoCase(std::string_view a, std::string_view b);
std::string toLower(std::string_view s);
// Orders texts alphabetically ignoring case, as the sorted lists of the program do.
bool lessNoCase(const std::string& a, const std::string& b);

} // namespace velkarn
