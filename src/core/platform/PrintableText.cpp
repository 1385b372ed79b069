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

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t code = lead;
        char32_t lowest = 0;
        if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            code = lead & 0x07u;
            lowest = 0x10000;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            code = lead & 0x0fu;
            lowest = 0x800;
        } else if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
            code = lead & 0x1fu;
            lowest = 0x80;
        } else if (lead >= 0x80) {
            return false; // a continuation byte, an overlong lead or beyond 0xf4
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0u) != 0x80u)
                return false;
            code = (code << 6) | (next & 0x3fu);
        }
        if (code < lowest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
        i += length;
    }
    return true;
}

std::string printableText(std::string_view text) {
    std::string result(text);
    std::replace_if(result.begin(), result.end(), isControlCharacter, '?');
    return result;
}

} // namespace velkarn
