#include "core/demos/MessageCode.h"
#include "core/demos/MessageReader.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

using namespace velkarn;

namespace {

std::vector<std::uint8_t> packed(const std::vector<bool>& bits) {
    std::vector<std::uint8_t> bytes((bits.size() + 7) / 8);
    for (std::size_t i = 0; i < bits.size(); ++i)
        bytes[i / 8] |= static_cast<std::uint8_t>(bits[i] << (i % 8));
    return bytes;
}

unsigned codeValue(std::uint8_t byte, std::size_t& length) {
    std::vector<bool> bits;
    MessageCode::engine().encode(byte, bits);
    length = bits.size();
    unsigned value = 0;
    for (std::size_t i = 0; i < bits.size(); ++i)
        value |= static_cast<unsigned>(bits[i]) << i;
    return value;
}

} // namespace

// The engine's codes of a frequent and of rare bytes, first bit lowest: a tree grown with any
// other tie-break between equal weights gives other codes here.
TEST(MessageCode, GivesTheEngineCodes) {
    std::size_t length = 0;
    EXPECT_EQ(codeValue(0, length), 0x002u);
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(codeValue(250, length), 0x2f9u);
    EXPECT_EQ(length, 10u);
    EXPECT_EQ(codeValue(254, length), 0x02fu);
    EXPECT_EQ(length, 7u);
    EXPECT_EQ(codeValue(255, length), 0x024u);
    EXPECT_EQ(length, 6u);
}

TEST(MessageCode, EveryByteComesBackAndAShortCodeIsNoByte) {
    std::vector<bool> bits;
    for (int byte = 0; byte < 256; ++byte)
        MessageCode::engine().encode(static_cast<std::uint8_t>(byte), bits);
    const std::vector<std::uint8_t> data = packed(bits);
    std::size_t offset = 0;
    for (int byte = 0; byte < 256; ++byte)
        ASSERT_EQ(MessageCode::engine().decode(data, offset), byte);

    std::vector<bool> rare;
    MessageCode::engine().encode(250, rare);
    rare.resize(rare.size() - 1);
    std::size_t start = 0;
    const auto cut = packed(rare);
    // The last byte's spare bits are zeros, which cannot finish a ten-bit code of 250 here.
    EXPECT_FALSE(MessageCode::engine().decode(std::span(cut).first(1), start));
}

TEST(MessageReader, ReadsPlainBitsThenCodedBytesAndStopsAtTheEnd) {
    std::vector<bool> bits = {true, false, true}; // 3 plain bits of an 11-bit value: 5
    MessageCode::engine().encode(0x41, bits);     // its byte
    MessageCode::engine().encode('h', bits);
    MessageCode::engine().encode('i', bits);
    MessageCode::engine().encode(0, bits);
    const std::vector<std::uint8_t> data = packed(bits);
    MessageReader reader(data);
    EXPECT_EQ(reader.readBits(11), 5u | (0x41u << 3));
    EXPECT_EQ(reader.readString(1), "h"); // kept to the limit, read to its end
    EXPECT_FALSE(reader.spent());
    reader.readLong();
    EXPECT_TRUE(reader.spent());
    EXPECT_EQ(reader.readByte(), 0);
}
