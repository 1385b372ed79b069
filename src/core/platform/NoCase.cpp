#include "core/platform/NoCase.h"

#include <algorithm>

namespace velkarn {

namespace {

// A to Z only, as the engine compares names: other bytes are parts of UTF-8 characters, which
// the locale's tolower would leave alone anyway, at the cost of a call per byte.
unsigned char lowerByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

} // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerByte(x) == lowerByte(y);
           });
}

std::string toLower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower)
        c = static_cast<char>(lowerByte(c));
    return lower;
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowerByte(x) < lowerByte(y); });
}

} // namespace velkarn
