#include "core/setup/ReadableColor.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace velkarn {

namespace {

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const Rgb& c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

Rgb mix(const Rgb& from, const Rgb& to, double share) {
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

std::string colorName(const Rgb& color) {
    for (const ColorCode& code : colorCodes())
        if (code.color == color)
            return code.colorName;
    return "White"; // the colour of a name before its first code
}

} // namespace

double contrastRatio(const Rgb& a, const Rgb& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableOn(const Rgb& color, const Rgb& ground) {
    if (contrastRatio(color, ground) >= ReadableContrast)
        return color;
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    const Rgb extreme =
        contrastRatio(white, ground) >= contrastRatio(black, ground) ? white : black;
    constexpr int Steps = 64;
    for (int step = 1; step < Steps; ++step) {
        const Rgb nearer = mix(color, extreme, static_cast<double>(step) / Steps);
        if (contrastRatio(nearer, ground) >= ReadableContrast)
            return nearer;
    }
    return extreme;
}

std::string describeColors(const ColoredText& text) {
    std::string words;
    std::size_t start = 0;
    while (start < text.visible.size()) {
        std::size_t end = start + 1;
        while (end < text.visible.size() && text.colors[end] == text.colors[start])
            ++end;
        std::string name = colorName(text.colors[start]);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        words +=
            (words.empty() ? "" : ", ") + text.visible.substr(start, end - start) + " in " + name;
        start = end;
    }
    return words;
}

} // namespace velkarn
