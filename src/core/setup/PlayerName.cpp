#include "core/setup/PlayerName.h"

#include <algorithm>

namespace velkarn {

const std::vector<ColorCode>& colorCodes() {
    // The game's colors use 254, not 255.
    static const std::vector<ColorCode> codes = {
        {"Black", '0', {0, 0, 0}},    {"Red", '1', {254, 0, 0}},
        {"Green", '2', {0, 254, 0}},  {"Yellow", '3', {254, 254, 0}},
        {"Blue", '4', {0, 0, 254}},   {"Aqua", '5', {0, 254, 254}},
        {"Pink", '6', {254, 0, 254}}, {"White", '7', {254, 254, 254}},
    };
    return codes;
}

namespace {

// The bytes of the character at `i`: a whole UTF-8 sequence, so that a code or a shown
// character never splits a letter; one byte for anything else.
std::size_t characterLength(const std::string& text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t valid = 1;
    while (valid < length && i + valid < text.size() &&
           (static_cast<unsigned char>(text[i + valid]) & 0xC0) == 0x80)
        ++valid;
    return valid;
}

} // namespace

ColoredText previewPlayerName(const std::string& codedName) {
    ColoredText preview;
    Rgb color = PreviewDefaultColor;
    // Shows the character at `i` and returns the position after it.
    const auto show = [&](std::size_t i) {
        const std::size_t length = characterLength(codedName, i);
        preview.visible += codedName.substr(i, length);
        preview.colors.insert(preview.colors.end(), length, color);
        return i + length;
    };
    std::size_t i = 0;
    while (i < codedName.size()) {
        if (codedName[i] != '^') {
            i = show(i);
            continue;
        }
        if (i + 1 == codedName.size())
            break; // a "^" ending the name is hidden alone
        const char code = codedName[i + 1];
        i += 1 + characterLength(codedName, i + 1);
        for (const auto& known : colorCodes())
            if (known.digit == code)
                color = known.color;
        if (i < codedName.size())
            i = show(i); // never starts a code, even when it is a "^"
    }
    return preview;
}

std::string insertColorCode(const std::string& name, int selStart, int selLength, char digit) {
    if (name.empty())
        return name;
    const int length = static_cast<int>(name.size());
    int start = std::clamp(selStart, 0, length);
    int end = start + std::clamp(selLength, 0, length - start);
    if (end == start) {
        start = 0;
        end = length;
    }
    // Walk the selection by position, deleting every code found; the character that moves into
    // a position after a deletion is not looked at again.
    std::string text = name;
    for (int p = start; p < static_cast<int>(text.size()) && p < end; ++p) {
        if (text[static_cast<std::size_t>(p)] == '^') {
            const std::size_t position = static_cast<std::size_t>(p);
            const std::size_t code =
                position + 1 < text.size() ? 1 + characterLength(text, position + 1) : 1;
            text.erase(position, code);
            end -= static_cast<int>(code);
        }
    }
    return text.insert(static_cast<std::size_t>(start), std::string{'^', digit});
}

std::string plainName(const std::string& codedName) {
    return previewPlayerName(codedName).visible;
}

} // namespace velkarn
