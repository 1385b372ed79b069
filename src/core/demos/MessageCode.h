#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The prefix code the engine packs every game message with: a Huffman tree grown from one fixed
// table of byte counts, the same in every engine of the family. Bits are taken from the lowest
// bit of each byte upwards.
namespace velkarn {

class MessageCode {
public:
    // The code of the engine, built once on first use.
    static const MessageCode& engine();

    // The byte whose code starts at `bitOffset` of `data`, moving `bitOffset` past it; nothing
    // when the data ends inside a code or holds one no byte has.
    std::optional<std::uint8_t> decode(std::span<const std::uint8_t> data,
                                       std::size_t& bitOffset) const;

    // Appends the code of `byte` to `bits`, one entry a bit, as a message would carry it.
    void encode(std::uint8_t byte, std::vector<bool>& bits) const;

private:
    MessageCode();

    struct Node {
        int weight = 0;
        int symbol = -1; // the byte of a leaf; -1 inside the tree
        int parent = -1;
        int child[2] = {-1, -1};
    };
    void addReference(int symbol);
    void increment(int node);
    int blockLeader(int node) const;
    void swapInTree(int a, int b);
    void swapInOrder(int a, int b);
    void replaceChild(int parent, int from, int to);
    void putInPlaceOf(int parent, int from, int to);
    Node& at(int id) { return nodes_[static_cast<std::size_t>(id)]; }
    const Node& at(int id) const { return nodes_[static_cast<std::size_t>(id)]; }
    int& rankOf(int id) { return rank_[static_cast<std::size_t>(id)]; }
    int rankOf(int id) const { return rank_[static_cast<std::size_t>(id)]; }
    int& ranked(int rank) { return order_[static_cast<std::size_t>(rank)]; }
    int ranked(int rank) const { return order_[static_cast<std::size_t>(rank)]; }
    int ranks() const { return static_cast<int>(order_.size()); }

    std::vector<Node> nodes_;
    // Nodes by rank, lowest first: weights never fall along it, and the rank of a node is what
    // breaks ties between equal weights, as in the engine's adaptive coder.
    std::vector<int> order_;
    std::vector<int> rank_;
    int leaves_[257];
    int root_ = 0;
};

} // namespace velkarn
