#include "cli/TabField.h"

#include <algorithm>

namespace velkarn {

std::string tabField(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text.empty() ? "-" : text;
}

} // namespace velkarn
