#pragma once

#include "core/images/TgaTypes.h"

#include <QtEndian>
#include <cstdint>
#include <cstring>

// The pixel formats a TGA stream holds, each turning one stored pixel into 0xAARRGGBB.
namespace velkarn::tga {

constexpr std::uint32_t Opaque = 0xFF000000u;

inline std::uint16_t littleEndian16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return Opaque | (red << 16) | (green << 8) | blue;
}

inline PaletteColor colorFrom555(std::uint16_t v) {
    PaletteColor c;
    c.blue = static_cast<std::uint8_t>((v & 31) << 3);
    c.green = static_cast<std::uint8_t>(((v >> 5) & 31) << 3);
    c.red = static_cast<std::uint8_t>(((v >> 10) & 31) << 3);
    return c;
}

// Pixel formats, resolved at compile time so the row loops carry no per-pixel dispatch.
struct Indexed8 {
    static constexpr int Bytes = 1;
    static constexpr bool HasAlpha = false;
    const std::uint32_t* colors;
    std::uint32_t color(const std::uint8_t* p) const { return colors[*p]; }
    std::uint32_t alpha(const std::uint8_t*) const { return Opaque; }
};

struct Grey8 {
    static constexpr int Bytes = 1;
    static constexpr bool HasAlpha = false;
    std::uint32_t color(const std::uint8_t* p) const { return Opaque | (p[0] * 0x010101u); }
    std::uint32_t alpha(const std::uint8_t*) const { return Opaque; }
};

struct Bgr555 {
    static constexpr int Bytes = 2;
    static constexpr bool HasAlpha = false;
    std::uint32_t color(const std::uint8_t* p) const {
        const PaletteColor c = colorFrom555(littleEndian16(p));
        return rgb(c.red, c.green, c.blue);
    }
    std::uint32_t alpha(const std::uint8_t*) const { return Opaque; }
};

struct Bgr24 {
    static constexpr int Bytes = 3;
    static constexpr bool HasAlpha = false;
    std::uint32_t color(const std::uint8_t* p) const { return rgb(p[2], p[1], p[0]); }
    std::uint32_t alpha(const std::uint8_t*) const { return Opaque; }
};

// Blue, green, red, alpha bytes read as one little-endian word are already 0xAARRGGBB.
struct Bgra32 {
    static constexpr int Bytes = 4;
    static constexpr bool HasAlpha = true;
    static std::uint32_t word(const std::uint8_t* p) {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return qFromLittleEndian(v);
    }
    std::uint32_t color(const std::uint8_t* p) const { return Opaque | word(p); }
    std::uint32_t alpha(const std::uint8_t* p) const {
        return Opaque | ((word(p) >> 24) * 0x010101u);
    }
};

} // namespace velkarn::tga
