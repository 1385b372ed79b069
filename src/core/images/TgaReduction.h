#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace velkarn::tga {

// Takes a TGA picture's decoded rows one at a time and folds each block of factor x factor
// pixels into one, their mean, so that a picture far larger than it is shown is never held
// whole: only one row of the stored picture and the smaller picture are kept.
class ReducingRows {
public:
    ReducingRows(int width, int height, bool topToBottom, int factor);

    // Where the decoder puts file row `row`; the alpha channel is not kept.
    std::uint32_t* imageLine(int) { return line_.data(); }
    std::uint32_t* alphaLine(int) { return alphaLine_.data(); }
    // Folds the row just decoded into the smaller picture.
    void rowDone(int row);
    // Rows from `row` on, the pixels of row `row` from `pixel` on, as black: the stream ended.
    void blankFrom(int row, int pixel);
    // The smaller picture, Format_RGB32, ceil(width / factor) x ceil(height / factor).
    QImage take();

private:
    void flushBand();

    int width_;
    int height_;
    bool topToBottom_;
    int factor_;
    std::vector<std::uint32_t> line_;
    std::vector<std::uint32_t> alphaLine_;
    std::vector<std::uint32_t> sums_; // red, green, blue of each smaller pixel of the band
    int band_ = -1;                   // the smaller picture's line being gathered
    int rowsInBand_ = 0;
    QImage picture_;
};

} // namespace velkarn::tga
