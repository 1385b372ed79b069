#pragma once

#include <string>
#include <vector>

// Player names with the game's colour codes: "^" followed by one character; the digits 0 to 7
// select colours.
namespace velkarn {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Text before the first colour code, and all text of a name without codes.
constexpr Rgb PreviewDefaultColour{255, 255, 255};
constexpr Rgb PreviewBackground{150, 150, 150};

// One colour button of the player options tool bar.
struct ColourCode {
    const char* colourName; // "Black" .. "White", the button's tool tip
    char digit;             // '0' .. '7'
    Rgb colour;             // the preview colour, also the button's swatch
};

// The eight colour codes, in tool-bar order from left to right.
const std::vector<ColourCode>& colourCodes();

// The preview of a coded name: the visible bytes and the colour of each.
struct ColouredText {
    std::string visible;
    std::vector<Rgb> colours; // one for each byte of `visible`
};

// Hides every code ("^" and the character after it; a "^" that ends the name alone). The
// character right after a code is always shown, even a "^". A code with a digit 0 to 7 colours
// everything visible after it, up to the next such code; other codes change no colour.
ColouredText previewPlayerName(const std::string& codedName);

// What a colour button does to the name field: with the selection `selStart`/`selLength`
// (no selection means the whole name), removes the codes inside the selection and puts "^" and
// `digit` in front of it. An empty name comes back unchanged.
std::string insertColourCode(const std::string& name, int selStart, int selLength, char digit);

} // namespace velkarn
