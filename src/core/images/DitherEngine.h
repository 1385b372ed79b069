#pragma once

#include "core/images/ColorLookup.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velkarn {

// Maps the pixels of one row after another to palette entries. Rows are walked in alternating
// directions, starting left to right: the caller hands the pixel at Column() and calls
// nextLine() after each row. The base engine takes the nearest color without diffusion.
class DitherEngine {
public:
    DitherEngine(int width, ColorLookup& lookup);
    virtual ~DitherEngine() = default;
    DitherEngine(const DitherEngine&) = delete;
    DitherEngine& operator=(const DitherEngine&) = delete;

    virtual ColorMatch dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    virtual void nextLine();

    int column() const { return column_; }
    int direction() const { return direction_; }
    int width() const { return width_; }

protected:
    void advance() { column_ += direction_; }
    void reverse();

    ColorLookup& lookup_;
    int width_;
    int direction_ = 1;
    int column_ = 0;
};

// Floyd-Steinberg error diffusion: 7/16 of a pixel's error to the next pixel of its row, 3/16,
// 5/16 and 1/16 to the pixels below behind, below and below ahead, rounded by adding 8 before
// dividing by 16.
class FloydSteinbergEngine : public DitherEngine {
public:
    FloydSteinbergEngine(int width, ColorLookup& lookup);

    ColorMatch dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
    void nextLine() override;

private:
    struct ChannelErrors {
        std::vector<std::int32_t> row; // width + 2 entries: one border entry each side
        int pos = 0;
        std::int32_t current = 0;
        std::int32_t below = 0;
        std::int32_t belowBehind = 0;
    };
    int adjusted(ChannelErrors& channel, int value) const;
    void spread(ChannelErrors& channel, int error);

    std::array<ChannelErrors, 3> channels_; // red, green, blue
};

} // namespace velkarn
