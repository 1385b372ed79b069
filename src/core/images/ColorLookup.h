#pragma once

#include "core/images/TgaTypes.h"

#include <array>
#include <cstdint>
#include <span>

namespace velkarn {

// A palette index and that entry's color.
struct ColorMatch {
    int index = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// Finds the palette entry for a color.
class ColorLookup {
public:
    virtual ~ColorLookup() = default;
    virtual ColorMatch findEntry(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
};

// Nearest-color lookup by sum of absolute channel differences, cached per 5-5-5 color cell:
// every color of a cell gets the answer found for the first color of that cell looked up, or
// the first palette entry lying in that cell. Each cell is searched at most once.
class FastColorLookup : public ColorLookup {
public:
    // Takes the first 256 entries of `palette`.
    explicit FastColorLookup(std::span<const PaletteColor> palette);

    ColorMatch findEntry(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;

    int entryCount() const { return count_; }

    static int cellIndex(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        return ((blue >> 3) << 10) | ((green >> 3) << 5) | (red >> 3);
    }

private:
    int nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const;

    std::array<PaletteColor, 256> entries_{};
    int count_ = 0;
    std::array<std::int16_t, 32768> inverse_; // -1: cell not known yet
};

} // namespace velkarn
