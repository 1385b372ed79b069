#include "options/PlayerName.h"

#include <algorithm>

namespace velkarn {

const std::vector<ColourCode>& ColourCodes() {
    // The game's colours use 254, not 255.
    static const std::vector<ColourCode> codes = {
        {"tbBlack", '0', {0, 0, 0}},    {"tbRed", '1', {254, 0, 0}},
        {"tbGreen", '2', {0, 254, 0}},  {"tbYellow", '3', {254, 254, 0}},
        {"tbBlue", '4', {0, 0, 254}},   {"tbAqua", '5', {0, 254, 254}},
        {"tbPink", '6', {254, 0, 254}}, {"tbWhite", '7', {254, 254, 254}},
    };
    return codes;
}

ColouredText PlayerNamePreview(const std::string& codedName) {
    ColouredText preview;
    Rgb colour = PreviewDefaultColour;
    const auto show = [&](char c) {
        preview.visible += c;
        preview.colours.push_back(colour);
    };
    std::size_t i = 0;
    while (i < codedName.size()) {
        if (codedName[i] != '^') {
            show(codedName[i++]);
            continue;
        }
        if (i + 1 == codedName.size())
            break; // a "^" ending the name is hidden alone
        const char code = codedName[i + 1];
        i += 2;
        for (const auto& known : ColourCodes())
            if (known.digit == code)
                colour = known.colour;
        if (i < codedName.size())
            show(codedName[i++]); // never starts a code, even when it is a "^"
    }
    return preview;
}

std::string InsertColourCode(const std::string& name, int selStart, int selLength, char digit) {
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
            text.erase(static_cast<std::size_t>(p), 2);
            end -= 2;
        }
    }
    return text.insert(static_cast<std::size_t>(start), std::string{'^', digit});
}

} // namespace velkarn
