#include "core/demos/MessageCode.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace velkarn {

namespace {

// How often each byte was counted in the engine's sample of game traffic: the code is what its
// adaptive coder makes of these counts, each byte fed in order that many times.
constexpr std::array<int, 256> byteCounts = {
    250315, 41193, 6292,  7106, 3730,  3750, 6110,  23283, 33317, 6950, 7838, 9714, 9257, 17259,
    3949,   1778,  8288,  1604, 1590,  1663, 1100,  1213,  1238,  1134, 1749, 1059, 1246, 1149,
    1273,   4486,  2805,  3472, 21819, 1159, 1670,  1066,  1043,  1012, 1053, 1070, 1726, 888,
    1180,   850,   960,   780,  1752,  3296, 10630, 4514,  5881,  2685, 4650, 3837, 2093, 1867,
    2584,   1949,  1972,  940,  1134,  1788, 1670,  1206,  5719,  6128, 7222, 6654, 3710, 3795,
    1492,   1524,  2215,  1140, 1355,  971,  2180,  1248,  1328,  1195, 1770, 1078, 1264, 1266,
    1168,   965,   1155,  1186, 1347,  1228, 1529,  1600,  2617,  2048, 2546, 3275, 2410, 3585,
    2504,   2800,  2675,  6146, 3663,  2840, 14253, 3164,  2221,  1687, 3208, 2739, 3512, 4796,
    4091,   3515,  5288,  4016, 7937,  6031, 5360,  3924,  4892,  3743, 4566, 4807, 5852, 6400,
    6225,   8291,  23243, 7838, 7073,  8935, 5437,  4483,  3641,  5256, 5312, 5328, 5370, 3492,
    2458,   1694,  1821,  2121, 1916,  1149, 1516,  1367,  1236,  1029, 1258, 1104, 1245, 1006,
    1149,   1025,  1241,  952,  1287,  997,  1713,  1009,  1187,  879,  1099, 929,  1078, 951,
    1656,   930,   1153,  1030, 1262,  1062, 1214,  1060,  1621,  930,  1106, 912,  1034, 892,
    1158,   990,   1175,  850,  1121,  903,  1087,  920,   1144,  1056, 3462, 2240, 4397, 12136,
    7758,   1345,  1307,  3278, 1950,  886,  1023,  1112,  1077,  1042, 1061, 1071, 1484, 1001,
    1096,   915,   1052,  995,  1070,  876,  1111,  851,   1059,  805,  1112, 923,  1103, 817,
    1899,   1872,  976,   841,  1127,  956,  1159,  950,   7791,  954,  1289, 933,  1127, 3207,
    1020,   927,   1355,  768,  1040,  745,  952,   805,   1073,  740,  1013, 805,  1008, 796,
    996,    1057,  11457, 13504};

constexpr int notYetSeen = 256;

} // namespace

const MessageCode& MessageCode::engine() {
    static const MessageCode code;
    return code;
}

MessageCode::MessageCode() {
    std::fill(std::begin(leaves_), std::end(leaves_), -1);
    nodes_.reserve(513);
    nodes_.push_back(Node{0, notYetSeen, -1, {-1, -1}});
    leaves_[notYetSeen] = 0;
    order_ = {0};
    rank_ = {0};
    for (std::size_t byte = 0; byte < byteCounts.size(); ++byte)
        for (int i = 0; i < byteCounts[byte]; ++i)
            addReference(static_cast<int>(byte));
}

void MessageCode::addReference(int symbol) {
    if (leaves_[symbol] >= 0) {
        increment(leaves_[symbol]);
        return;
    }
    // A new byte: the "not yet seen" leaf splits into a branch holding itself and the new leaf,
    // both ranked just above it.
    const int unseen = leaves_[notYetSeen];
    const int leaf = static_cast<int>(nodes_.size());
    nodes_.push_back(Node{1, symbol, -1, {-1, -1}});
    const int branch = static_cast<int>(nodes_.size());
    nodes_.push_back(Node{1, -1, -1, {unseen, leaf}});
    order_.insert(order_.begin() + rankOf(unseen) + 1, {leaf, branch});
    rank_.resize(nodes_.size());
    for (int r = 0; r < ranks(); ++r)
        rankOf(ranked(r)) = r;

    const int parent = at(unseen).parent;
    putInPlaceOf(parent, unseen, branch);
    at(branch).parent = parent;
    at(unseen).parent = branch;
    at(leaf).parent = branch;
    leaves_[symbol] = leaf;
    increment(parent);
}

void MessageCode::increment(int id) {
    if (id < 0)
        return;
    const int above = rankOf(id) + 1;
    if (above < ranks() && at(ranked(above)).weight == at(id).weight) {
        // The node first takes the highest rank of its weight, so that ranks keep following
        // weights once it has grown.
        const int leader = blockLeader(id);
        if (leader != at(id).parent)
            swapInTree(leader, id);
        swapInOrder(leader, id);
    }
    ++at(id).weight;
    const int parent = at(id).parent;
    if (parent < 0)
        return;
    increment(parent);
    if (rankOf(id) > 0 && ranked(rankOf(id) - 1) == parent)
        swapInOrder(id, parent);
}

// The highest ranked node of the node's weight. Weights never fall along the ranks whenever a
// leader is asked for, so a binary search finds it.
int MessageCode::blockLeader(int id) const {
    const int weight = at(id).weight;
    const auto past = std::upper_bound(order_.begin() + rankOf(id), order_.end(), weight,
                                       [this](int w, int other) { return w < at(other).weight; });
    return *(past - 1);
}

// The engine replaces the first child slot holding the node, left before right; two siblings
// swapped this way keep or trade places depending on which was left, and the code follows that.
void MessageCode::replaceChild(int parent, int from, int to) {
    Node& p = at(parent);
    if (p.child[0] == from)
        p.child[0] = to;
    else
        p.child[1] = to;
}

// `to` takes `from`'s place under `parent`, or at the root where `from` has no parent.
void MessageCode::putInPlaceOf(int parent, int from, int to) {
    if (parent >= 0)
        replaceChild(parent, from, to);
    else
        root_ = to;
}

void MessageCode::swapInTree(int a, int b) {
    const int parentA = at(a).parent;
    const int parentB = at(b).parent;
    putInPlaceOf(parentA, a, b);
    putInPlaceOf(parentB, b, a);
    at(a).parent = parentB;
    at(b).parent = parentA;
}

void MessageCode::swapInOrder(int a, int b) {
    std::swap(ranked(rankOf(a)), ranked(rankOf(b)));
    std::swap(rankOf(a), rankOf(b));
}

std::optional<std::uint8_t> MessageCode::decode(std::span<const std::uint8_t> data,
                                                std::size_t& bitOffset) const {
    std::size_t bit = bitOffset;
    int id = root_;
    while (at(id).child[0] >= 0) {
        if (bit >= data.size() * 8)
            return std::nullopt;
        const int right = (data[bit >> 3] >> (bit & 7)) & 1;
        id = at(id).child[right];
        ++bit;
    }
    if (at(id).symbol == notYetSeen)
        return std::nullopt;
    bitOffset = bit;
    return static_cast<std::uint8_t>(at(id).symbol);
}

void MessageCode::encode(std::uint8_t byte, std::vector<bool>& bits) const {
    std::vector<bool> path;
    for (int id = leaves_[byte]; at(id).parent >= 0; id = at(id).parent)
        path.push_back(at(at(id).parent).child[1] == id);
    bits.insert(bits.end(), path.rbegin(), path.rend());
}

} // namespace velkarn
