#include "core/demos/MessageReader.h"

#include "core/demos/MessageCode.h"

namespace velkarn {

std::uint32_t MessageReader::readBits(int bits) {
    if (spent_ || bits < 1 || bits > 32) {
        spent_ = true;
        return 0;
    }
    std::uint32_t value = 0;
    const int plainBits = bits & 7;
    for (int i = 0; i < plainBits; ++i) {
        if (bit_ >= data_.size() * 8) {
            spent_ = true;
            return 0;
        }
        value |= static_cast<std::uint32_t>((data_[bit_ >> 3] >> (bit_ & 7)) & 1) << i;
        ++bit_;
    }
    const MessageCode& code = MessageCode::engine();
    for (int shift = plainBits; shift < bits; shift += 8) {
        const auto byte = code.decode(data_, bit_);
        if (!byte) {
            spent_ = true;
            return 0;
        }
        value |= static_cast<std::uint32_t>(*byte) << shift;
    }
    return value;
}

std::string MessageReader::readString(std::size_t limit) {
    std::string text;
    while (!spent_) {
        const int c = readByte();
        if (c == 0 || spent_)
            break;
        if (text.size() < limit)
            text.push_back(static_cast<char>(c));
    }
    return text;
}

} // namespace velkarn
