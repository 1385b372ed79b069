#pragma once

#include "core/images/TgaTypes.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace velkarn {

// One node of the color octree. A leaf holds the pixels of its color cube; an inner node sits
// on its level's list of reducible nodes until it is merged into a leaf.
struct OctreeNode {
    bool isLeaf = false;
    std::int32_t pixelCount = 0;
    // Wider than 32 bits so large pictures cannot overflow the sums.
    std::int64_t redSum = 0;
    std::int64_t greenSum = 0;
    std::int64_t blueSum = 0;
    OctreeNode* nextReducible = nullptr; // not owning: the tree owns every node
    std::array<std::unique_ptr<OctreeNode>, 8> children;
};

// Octree color quantizer: colors are added pixel by pixel, and the deepest reducible node is
// merged after every pixel that brings the leaves above the maximum number of colors.
class ColorQuantizer {
public:
    // Throws TgaError("ColorBits must be 8 or less") for a deeper tree, and for a negative one
    // "ColorBits must not be negative".
    ColorQuantizer(int maxColors, int colorBits);

    // Adds every pixel of a picture, lines top to bottom, pixels left to right.
    void addImage(const QImage& image);
    void addColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    // The leaves' average colors, depth first with children in order 0 to 7; black for a leaf
    // without pixels.
    std::vector<PaletteColor> colorTable() const;

    int leafCount() const { return leafCount_; }

private:
    std::unique_ptr<OctreeNode> makeNode(int level);
    bool reduceTree();

    std::unique_ptr<OctreeNode> root_;
    int leafCount_ = 0;
    std::array<OctreeNode*, 8> reducible_{};
    int maxColors_;
    int colorBits_;
};

// A palette of exactly `colorCount` entries for a picture: the quantizer's color table in
// order, then black.
std::vector<PaletteColor> buildOptimizedPalette(const QImage& image, int colorCount, int colorBits);

} // namespace velkarn
