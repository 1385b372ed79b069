#include "core/platform/PrintableText.h"

#include <algorithm>

namespace velkarn {

bool isControlCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControlCharacter);
}

std::string printableText(std::string_view text) {
    std::string result(text);
    std::replace_if(result.begin(), result.end(), isControlCharacter, '?');
    return result;
}

} // namespace velkarn
