#pragma once

#include <string>
#include <vector>

// Player names with the game's color codes: "^" followed by one character; the digits 0 to 7
// select colors.
namespace velkarn {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Text before the first color code, and all text of a name without codes.
constexpr Rgb PreviewDefaultColor{255, 255, 255};
constexpr Rgb PreviewBackground{150, 150, 150};

// One color button of the player options tool bar.
struct ColorCode {
    const char* colorName; // "Black" .. "White", the button's tool tip
    char digit;            // '0' .. '7'
    Rgb color;             // the preview color, also the button's swatch
};

// The eight color codes, in tool-bar order from left to right.
const std::vector<ColorCode>& colorCodes();

// The preview of a coded name: the visible bytes and the color of each.
struct ColoredText {
    std::string visible;
    std::vector<Rgb> colors; // one for each byte of `visible`
};

// Hides every code ("^" and the character after it; a "^" that ends the name alone). The
// character right after a code is always shown, even a "^". A code with a digit 0 to 7 colors
// everything visible after it, up to the next such code; other codes change no color.
ColoredText previewPlayerName(const std::string& codedName);

// A text without its color codes, as it is printed and saved.
std::string plainName(const std::string& codedName);

// What a color button does to the name field: with the selection `selStart`/`selLength`
// (no selection means the whole name), removes the codes inside the selection and puts "^" and
// `digit` in front of it. An empty name comes back unchanged.
std::string insertColorCode(const std::string& name, int selStart, int selLength, char digit);

} // namespace velkarn
