#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Builds TGA streams byte by byte, so that tests state exactly what a file holds.
namespace velkarn::test {

struct TgaHeaderFields {
    std::uint8_t idLength = 0;
    std::uint8_t colorMapType = 0;
    std::uint8_t imageType = 2;
    std::uint16_t colorMapLength = 0;
    std::uint8_t colorMapEntrySize = 0;
    std::uint16_t width = 1;
    std::uint16_t height = 1;
    std::uint8_t pixelDepth = 24;
    std::uint8_t descriptor = 0;
};

inline void appendLE16(std::string& out, std::uint16_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8));
}

inline std::string tgaHeader(const TgaHeaderFields& f) {
    std::string out;
    out.push_back(char(f.idLength));
    out.push_back(char(f.colorMapType));
    out.push_back(char(f.imageType));
    appendLE16(out, 0);
    appendLE16(out, f.colorMapLength);
    out.push_back(char(f.colorMapEntrySize));
    appendLE16(out, 0);
    appendLE16(out, 0);
    appendLE16(out, f.width);
    appendLE16(out, f.height);
    out.push_back(char(f.pixelDepth));
    out.push_back(char(f.descriptor));
    return out;
}

inline std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(char(v));
    return out;
}

} // namespace velkarn::test
