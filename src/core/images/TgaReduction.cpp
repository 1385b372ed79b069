#include "core/images/TgaReduction.h"

#include <algorithm>

namespace velkarn::tga {

namespace {

int reducedSide(int side, int factor) {
    return (side + factor - 1) / factor;
}

} // namespace

ReducingRows::ReducingRows(int width, int height, bool topToBottom, int factor)
    : width_(width), height_(height), topToBottom_(topToBottom), factor_(factor),
      line_(static_cast<std::size_t>(width)), alphaLine_(static_cast<std::size_t>(width)),
      sums_(static_cast<std::size_t>(reducedSide(width, factor)) * 3),
      picture_(reducedSide(width, factor), reducedSide(height, factor), QImage::Format_RGB32) {
}

void ReducingRows::rowDone(int row) {
    const int band = (topToBottom_ ? row : height_ - 1 - row) / factor_;
    if (band != band_)
        flushBand();
    band_ = band;
    ++rowsInBand_;
    std::uint32_t* sum = sums_.data();
    for (int x = 0; x < width_; x += factor_, sum += 3) {
        const int end = std::min(width_, x + factor_);
        for (int i = x; i < end; ++i) {
            const std::uint32_t pixel = line_[static_cast<std::size_t>(i)];
            sum[0] += (pixel >> 16) & 0xFF;
            sum[1] += (pixel >> 8) & 0xFF;
            sum[2] += pixel & 0xFF;
        }
    }
}

void ReducingRows::blankFrom(int row, int pixel) {
    std::fill(line_.begin() + pixel, line_.end(), 0xFF000000u);
    for (; row < height_; ++row) {
        rowDone(row);
        std::fill(line_.begin(), line_.end(), 0xFF000000u);
    }
}

void ReducingRows::flushBand() {
    if (rowsInBand_ == 0 || picture_.isNull())
        return;
    auto* out = reinterpret_cast<std::uint32_t*>(picture_.scanLine(band_));
    const std::uint32_t* sum = sums_.data();
    for (int x = 0; x < picture_.width(); ++x, sum += 3) {
        const auto columns = static_cast<std::uint32_t>(std::min(factor_, width_ - x * factor_));
        const std::uint32_t count = columns * static_cast<std::uint32_t>(rowsInBand_);
        out[x] = 0xFF000000u | (sum[0] / count) << 16 | (sum[1] / count) << 8 | sum[2] / count;
    }
    std::fill(sums_.begin(), sums_.end(), 0u);
    rowsInBand_ = 0;
}

QImage ReducingRows::take() {
    flushBand();
    return std::move(picture_);
}

} // namespace velkarn::tga
