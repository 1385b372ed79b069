#include "core/images/DitherEngine.h"

#include <algorithm>

namespace velkarn {

DitherEngine::DitherEngine(int width, ColorLookup& lookup)
    : lookup_(lookup), width_(std::max(width, 0)) {
}

ColorMatch DitherEngine::dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const ColorMatch match = lookup_.findEntry(red, green, blue);
    advance();
    return match;
}

void DitherEngine::reverse() {
    direction_ = -direction_;
    column_ = direction_ > 0 ? 0 : width_ - 1;
}

void DitherEngine::nextLine() {
    reverse();
}

FloydSteinbergEngine::FloydSteinbergEngine(int width, ColorLookup& lookup)
    : DitherEngine(width, lookup) {
    for (ChannelErrors& channel : channels_)
        channel.row.assign(std::size_t(width_) + 2, 0);
}

int FloydSteinbergEngine::adjusted(ChannelErrors& channel, int value) const {
    // Integer division truncates towards zero, as the diffusion weights are meant to.
    const int ahead = channel.pos + direction_;
    const int v = value + (channel.row[static_cast<std::size_t>(ahead)] + channel.current + 8) / 16;
    return std::clamp(v, 0, 255);
}

void FloydSteinbergEngine::spread(ChannelErrors& channel, int error) {
    channel.row[static_cast<std::size_t>(channel.pos)] = channel.belowBehind + 3 * error;
    channel.belowBehind = channel.below + 5 * error;
    channel.below = error;
    channel.current = 7 * error;
    channel.pos += direction_;
}

ColorMatch FloydSteinbergEngine::dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (column_ < 0 || column_ >= width_) // more pixels than the row holds: nowhere to diffuse
        return DitherEngine::dither(red, green, blue);
    const int r = adjusted(channels_[0], red);
    const int g = adjusted(channels_[1], green);
    const int b = adjusted(channels_[2], blue);
    const ColorMatch match = lookup_.findEntry(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
    spread(channels_[0], r - match.red);
    spread(channels_[1], g - match.green);
    spread(channels_[2], b - match.blue);
    advance();
    return match;
}

void FloydSteinbergEngine::nextLine() {
    for (ChannelErrors& channel : channels_) {
        channel.row[static_cast<std::size_t>(channel.pos)] = channel.belowBehind;
        channel.current = channel.below = channel.belowBehind = 0;
    }
    reverse();
    for (ChannelErrors& channel : channels_)
        channel.pos = direction_ > 0 ? 0 : width_ + 1;
}

} // namespace velkarn
