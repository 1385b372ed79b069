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

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xc2 && lead <= 0xdf ? 2
                                   : lead >= 0xe0 && lead <= 0xef ? 3
                                   : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > text.size())
            return false;
        // The second byte's range rules out overlong forms, surrogates and code points past
        // U+10FFFF; the others need only be continuation bytes.
        const auto second = static_cast<unsigned char>(length > 1 ? text[i + 1] : 0x80);
        const unsigned char low = lead == 0xe0 ? 0xa0 : lead == 0xf0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xed ? 0x9f : lead == 0xf4 ? 0x8f : 0xbf;
        if (length > 1 && (second < low || second > high))
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

} // namespace velkarn
