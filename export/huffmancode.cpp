#include "export/huffmancode.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <queue>
#include <utility>

namespace {

std::uint16_t reversed(std::uint32_t code, int bits)
{
    std::uint32_t result = 0;
    for (int n = 0; n < bits; ++n, code >>= 1)
        result = result << 1 | (code & 1);
    return static_cast<std::uint16_t>(result);
}

// Each used symbol's depth in a Huffman tree of these counts. Ties go to the
// node made first, so every target builds the same tree.
std::vector<int> treeDepths(const std::vector<std::uint32_t>& counts)
{
    using Node = std::pair<std::uint64_t, std::size_t>; // weight, node
    std::priority_queue<Node, std::vector<Node>, std::greater<>> queue;
    std::vector<std::size_t> parent; // the leaves first, the root last
    std::vector<std::size_t> leafSymbols;
    for (std::size_t symbol = 0; symbol < counts.size(); ++symbol) {
        if (counts[symbol] == 0)
            continue;
        queue.push({counts[symbol], parent.size()});
        parent.push_back(0);
        leafSymbols.push_back(symbol);
    }
    while (queue.size() > 1) {
        const Node first = queue.top();
        queue.pop();
        const Node second = queue.top();
        queue.pop();
        parent[first.second] = parent[second.second] = parent.size();
        queue.push({first.first + second.first, parent.size()});
        parent.push_back(0);
    }
    std::vector<int> depth(parent.size(), 0);
    for (std::size_t node = parent.size() - 1; node-- > 0;)
        depth[node] = depth[parent[node]] + 1;
    std::vector<int> depths(counts.size(), 0);
    for (std::size_t leaf = 0; leaf < leafSymbols.size(); ++leaf)
        depths[leafSymbols[leaf]] = depth[leaf];
    return depths;
}

} // namespace

// The canonical code of these lengths (RFC 1951, 3.2.2).
HuffmanCode canonicalCode(std::vector<std::uint8_t> lengths)
{
    std::array<std::uint32_t, kMaxCodeBits + 1> perLength{};
    for (const std::uint8_t length : lengths)
        if (length > 0)
            ++perLength[length];
    std::array<std::uint32_t, kMaxCodeBits + 1> next{};
    for (std::size_t bits = 1, code = 0; bits <= kMaxCodeBits; ++bits) {
        code = (code + perLength[bits - 1]) << 1;
        next[bits] = static_cast<std::uint32_t>(code);
    }
    HuffmanCode result{std::move(lengths), {}};
    result.codes.resize(result.lengths.size(), 0);
    for (std::size_t symbol = 0; symbol < result.lengths.size(); ++symbol)
        if (const int bits = result.lengths[symbol]; bits > 0)
            result.codes[symbol] = reversed(next[static_cast<std::size_t>(bits)]++, bits);
    return result;
}

std::vector<std::uint8_t> huffmanCodeLengths(std::vector<std::uint32_t> counts, int limit)
{
    auto used = std::count_if(counts.begin(), counts.end(), [](std::uint32_t count) { return count > 0; });
    for (std::size_t symbol = 0; used < 2; ++symbol)
        if (counts[symbol] == 0) {
            counts[symbol] = 1;
            ++used;
        }
    for (;;) {
        const std::vector<int> depths = treeDepths(counts);
        if (*std::max_element(depths.begin(), depths.end()) <= limit)
            return std::vector<std::uint8_t>(depths.begin(), depths.end());
        for (std::uint32_t& count : counts)
            count = (count + 1) / 2;
    }
}
