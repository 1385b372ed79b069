#include "core/images/ColorQuantizer.h"

#include <algorithm>

namespace velkarn {

namespace {

void collectLeaves(const OctreeNode& node, std::vector<PaletteColor>& table) {
    if (node.isLeaf) {
        PaletteColor c;
        if (node.pixelCount > 0) {
            c.red = std::uint8_t(node.redSum / node.pixelCount);
            c.green = std::uint8_t(node.greenSum / node.pixelCount);
            c.blue = std::uint8_t(node.blueSum / node.pixelCount);
        }
        table.push_back(c);
        return;
    }
    for (const auto& child : node.children)
        if (child)
            collectLeaves(*child, table);
}

} // namespace

ColorQuantizer::ColorQuantizer(int maxColors, int colorBits)
    : maxColors_(maxColors), colorBits_(colorBits) {
    if (colorBits > 8)
        throw TgaError("ColorBits must be 8 or less");
    if (colorBits < 0)
        throw TgaError("ColorBits must not be negative");
}

std::unique_ptr<OctreeNode> ColorQuantizer::makeNode(int level) {
    auto node = std::make_unique<OctreeNode>();
    if (level == colorBits_) {
        node->isLeaf = true;
        ++leafCount_;
    } else {
        node->nextReducible = reducible_[static_cast<std::size_t>(level)];
        reducible_[static_cast<std::size_t>(level)] = node.get();
    }
    return node;
}

void ColorQuantizer::addColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    std::unique_ptr<OctreeNode>* slot = &root_;
    for (int level = 0;; ++level) {
        if (!*slot)
            *slot = makeNode(level);
        OctreeNode& node = **slot;
        if (node.isLeaf) {
            ++node.pixelCount;
            node.redSum += red;
            node.greenSum += green;
            node.blueSum += blue;
            return;
        }
        const int shift = 7 - level;
        const int child =
            ((red >> shift) & 1) << 2 | ((green >> shift) & 1) << 1 | ((blue >> shift) & 1);
        slot = &node.children[static_cast<std::size_t>(child)];
    }
}

// Merges the most recently added node of the deepest level that has one. Its children are all
// leaves, because deeper inner nodes would still be on a deeper list.
bool ColorQuantizer::reduceTree() {
    int level = std::max(colorBits_ - 1, 0);
    while (level > 0 && !reducible_[static_cast<std::size_t>(level)])
        --level;
    OctreeNode* node = reducible_[static_cast<std::size_t>(level)];
    if (!node)
        return false; // the whole tree is one leaf already
    reducible_[static_cast<std::size_t>(level)] = node->nextReducible;
    node->nextReducible = nullptr;
    int children = 0;
    for (auto& child : node->children) {
        if (!child)
            continue;
        node->pixelCount += child->pixelCount;
        node->redSum += child->redSum;
        node->greenSum += child->greenSum;
        node->blueSum += child->blueSum;
        child.reset();
        ++children;
    }
    node->isLeaf = true;
    leafCount_ -= children - 1;
    return true;
}

void ColorQuantizer::addImage(const QImage& image) {
    const QImage picture =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            addColor(std::uint8_t(qRed(line[x])), std::uint8_t(qGreen(line[x])),
                     std::uint8_t(qBlue(line[x])));
            while (leafCount_ > maxColors_ && reduceTree()) {
            }
        }
    }
}

std::vector<PaletteColor> ColorQuantizer::colorTable() const {
    std::vector<PaletteColor> table;
    table.reserve(std::size_t(std::max(leafCount_, 0)));
    if (root_)
        collectLeaves(*root_, table);
    return table;
}

std::vector<PaletteColor> buildOptimizedPalette(const QImage& image, int colorCount,
                                                int colorBits) {
    ColorQuantizer quantizer(colorCount, colorBits);
    quantizer.addImage(image);
    std::vector<PaletteColor> palette = quantizer.colorTable();
    palette.resize(std::size_t(std::max(colorCount, 0)));
    return palette;
}

} // namespace velkarn
