#include "core/images/ColorLookup.h"

#include <algorithm>
#include <cstdlib>

namespace velkarn {

FastColorLookup::FastColorLookup(std::span<const PaletteColor> palette) {
    count_ = int(std::min(palette.size(), entries_.size()));
    std::copy_n(palette.begin(), count_, entries_.begin());
    inverse_.fill(-1);
    for (int i = 0; i < count_; ++i) {
        std::int16_t& cell = inverse_[static_cast<std::size_t>(cellIndex(
            entries_[static_cast<std::size_t>(i)].red, entries_[static_cast<std::size_t>(i)].green,
            entries_[static_cast<std::size_t>(i)].blue))];
        if (cell == -1)
            cell = std::int16_t(i);
    }
}

int FastColorLookup::nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const {
    int best = 196608; // above any possible distance
    int bestIndex = 0; // an empty palette answers entry 0, which is black
    for (int i = 0; i < count_; ++i) {
        const PaletteColor& e = entries_[static_cast<std::size_t>(i)];
        const int distance =
            std::abs(red - e.red) + std::abs(green - e.green) + std::abs(blue - e.blue);
        if (distance < best) { // strictly better: the first of equal entries wins
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

ColorMatch FastColorLookup::findEntry(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    std::int16_t& cell = inverse_[static_cast<std::size_t>(cellIndex(red, green, blue))];
    if (cell == -1)
        cell = std::int16_t(nearest(red, green, blue));
    const PaletteColor& e = entries_[static_cast<std::size_t>(cell)];
    return {cell, e.red, e.green, e.blue};
}

} // namespace velkarn
