#pragma once

#include "core/setup/PlayerName.h"

#include <string>

// Colour codes shown so that everyone can read them: the contrast the web's accessibility
// guidelines ask of text, and the colours said in words for a screen reader.
namespace velkarn {

// The least contrast of normal text on its background.
constexpr double ReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const Rgb& a, const Rgb& b);

// `color`, or the nearest colour of its hue towards black or white (whichever `ground` allows)
// that has at least ReadableContrast on `ground`.
Rgb readableOn(const Rgb& color, const Rgb& ground);

// A coloured name in words: "Big in red, Gun in blue".
std::string describeColors(const ColoredText& text);

} // namespace velkarn
