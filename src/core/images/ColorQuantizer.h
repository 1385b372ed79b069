#pragma once

#include "core/images/TargaTypes.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace velkarn {

// One node of the colour octree. A leaf holds the pixels of its colour cube; an inner node sits
// on its level's list of reducible nodes until it is merged into a leaf.
struct TOctreeNode {
    bool Leaf = false;
    std::int32_t PixelCount = 0;
    // Wider than 32 bits so large pictures cannot overflow the sums.
    std::int64_t RedSum = 0;
    std::int64_t GreenSum = 0;
    std::int64_t BlueSum = 0;
    TOctreeNode* NextReducible = nullptr; // not owning: the tree owns every node
    std::array<std::unique_ptr<TOctreeNode>, 8> Children;
};

// Octree colour quantizer: colours are added pixel by pixel, and the deepest reducible node is
// merged after every pixel that brings the leaves above the maximum number of colours.
class TColorQuantizer {
public:
    // Throws TargaError("ColorBits must be 8 or less") for a deeper tree, and for a negative one
    // "ColorBits must not be negative".
    TColorQuantizer(int maxColors, int colorBits);

    // Adds every pixel of a picture, lines top to bottom, pixels left to right.
    void ProcessImage(const QImage& image);
    void AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    // The leaves' average colours, depth first with children in order 0 to 7; black for a leaf
    // without pixels.
    std::vector<TPaletteColor> GetColorTable() const;

    int LeafCount() const { return leafCount_; }

private:
    std::unique_ptr<TOctreeNode> makeNode(int level);
    bool reduceTree();

    std::unique_ptr<TOctreeNode> root_;
    int leafCount_ = 0;
    std::array<TOctreeNode*, 8> reducible_{};
    int maxColors_;
    int colorBits_;
};

// A palette of exactly `colorCount` entries for a picture: the quantizer's colour table in
// order, then black.
std::vector<TPaletteColor> BuildOptimizedPalette(const QImage& image, int colorCount,
                                                 int colorBits);

} // namespace velkarn
