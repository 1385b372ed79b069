#include "core/images/ColorQuantizer.h"

#include <algorithm>

namespace velkarn {

namespace {

void collectLeaves(const TOctreeNode& node, std::vector<TPaletteColor>& table) {
    if (node.Leaf) {
        TPaletteColor c;
        if (node.PixelCount > 0) {
            c.red = std::uint8_t(node.RedSum / node.PixelCount);
            c.green = std::uint8_t(node.GreenSum / node.PixelCount);
            c.blue = std::uint8_t(node.BlueSum / node.PixelCount);
        }
        table.push_back(c);
        return;
    }
    for (const auto& child : node.Children)
        if (child)
            collectLeaves(*child, table);
}

} // namespace

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : maxColors_(maxColors), colorBits_(colorBits) {
    if (colorBits > 8)
        throw TargaError("ColorBits must be 8 or less");
    if (colorBits < 0)
        throw TargaError("ColorBits must not be negative");
}

std::unique_ptr<TOctreeNode> TColorQuantizer::makeNode(int level) {
    auto node = std::make_unique<TOctreeNode>();
    if (level == colorBits_) {
        node->Leaf = true;
        ++leafCount_;
    } else {
        node->NextReducible = reducible_[level];
        reducible_[level] = node.get();
    }
    return node;
}

void TColorQuantizer::AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    std::unique_ptr<TOctreeNode>* slot = &root_;
    for (int level = 0;; ++level) {
        if (!*slot)
            *slot = makeNode(level);
        TOctreeNode& node = **slot;
        if (node.Leaf) {
            ++node.PixelCount;
            node.RedSum += red;
            node.GreenSum += green;
            node.BlueSum += blue;
            return;
        }
        const int shift = 7 - level;
        const int child =
            ((red >> shift) & 1) << 2 | ((green >> shift) & 1) << 1 | ((blue >> shift) & 1);
        slot = &node.Children[child];
    }
}

// Merges the most recently added node of the deepest level that has one. Its children are all
// leaves, because deeper inner nodes would still be on a deeper list.
bool TColorQuantizer::reduceTree() {
    int level = std::max(colorBits_ - 1, 0);
    while (level > 0 && !reducible_[level])
        --level;
    TOctreeNode* node = reducible_[level];
    if (!node)
        return false; // the whole tree is one leaf already
    reducible_[level] = node->NextReducible;
    node->NextReducible = nullptr;
    int children = 0;
    for (auto& child : node->Children) {
        if (!child)
            continue;
        node->PixelCount += child->PixelCount;
        node->RedSum += child->RedSum;
        node->GreenSum += child->GreenSum;
        node->BlueSum += child->BlueSum;
        child.reset();
        ++children;
    }
    node->Leaf = true;
    leafCount_ -= children - 1;
    return true;
}

void TColorQuantizer::ProcessImage(const QImage& image) {
    const QImage picture =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            AddColor(std::uint8_t(qRed(line[x])), std::uint8_t(qGreen(line[x])),
                     std::uint8_t(qBlue(line[x])));
            while (leafCount_ > maxColors_ && reduceTree()) {
            }
        }
    }
}

std::vector<TPaletteColor> TColorQuantizer::GetColorTable() const {
    std::vector<TPaletteColor> table;
    table.reserve(std::size_t(std::max(leafCount_, 0)));
    if (root_)
        collectLeaves(*root_, table);
    return table;
}

std::vector<TPaletteColor> BuildOptimizedPalette(const QImage& image, int colorCount,
                                                 int colorBits) {
    TColorQuantizer quantizer(colorCount, colorBits);
    quantizer.ProcessImage(image);
    std::vector<TPaletteColor> palette = quantizer.GetColorTable();
    palette.resize(std::size_t(std::max(colorCount, 0)));
    return palette;
}

} // namespace velkarn
