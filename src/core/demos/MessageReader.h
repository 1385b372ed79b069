#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Reads one game message as the engine packs it: a value of N bits is N % 8 plain bits, lowest
// first, then its bytes from the lowest, each in the message code. Reading past the end, or a
// code no byte has, leaves the reader spent: every later read gives 0 and spent() says so.
namespace velkarn {

class MessageReader {
public:
    explicit MessageReader(std::span<const std::uint8_t> data) : data_(data) {}

    // An unsigned value of 1 to 32 bits.
    std::uint32_t readBits(int bits);
    int readByte() { return static_cast<int>(readBits(8)); }
    int readShort() { return static_cast<std::int16_t>(readBits(16)); }
    std::int32_t readLong() { return static_cast<std::int32_t>(readBits(32)); }
    // Bytes up to a zero byte or the end, at most `limit` of them kept (the rest read past).
    std::string readString(std::size_t limit);

    bool spent() const { return spent_; }

private:
    std::span<const std::uint8_t> data_;
    std::size_t bit_ = 0;
    bool spent_ = false;
};

} // namespace velkarn
