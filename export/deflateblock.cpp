#include "export/deflateblock.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace {

constexpr int kLiteralCodes = 286; // bytes 0-255, end of block 256, lengths 257-285
constexpr int kDistanceCodes = 30;
constexpr int kEndOfBlock = 256;
constexpr int kFirstLengthCode = 257;
constexpr int kMaxLengthCodeBits = 7;

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                      6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order a dynamic block sends the code-length code's lengths in, and
// the extra bits of its repeat symbols 16, 17 and 18.
constexpr std::array<std::uint8_t, 19> kLengthCodeOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                        11, 4,  12, 3, 13, 2, 14, 1, 15};
constexpr std::array<std::uint8_t, 19> kLengthCodeExtra{0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                        0, 0, 0, 0, 0, 0, 2, 3, 7};

// The code of a length or a distance: the last base not above it.
template <std::size_t Count> int codeOf(const std::array<std::uint16_t, Count>& bases, std::uint32_t value)
{
    return static_cast<int>(std::upper_bound(bases.begin(), bases.end(), value) - bases.begin()) - 1;
}

const HuffmanCode& fixedLiteralCode()
{
    static const HuffmanCode code = [] {
        std::vector<std::uint8_t> lengths(288, 8);
        std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
        return canonicalCode(std::move(lengths));
    }();
    return code;
}

const HuffmanCode& fixedDistanceCode()
{
    static const HuffmanCode code = canonicalCode(std::vector<std::uint8_t>(kDistanceCodes, 5));
    return code;
}

struct SymbolCounts {
    std::vector<std::uint32_t> literals = std::vector<std::uint32_t>(kLiteralCodes, 0);
    std::vector<std::uint32_t> distances = std::vector<std::uint32_t>(kDistanceCodes, 0);
};

SymbolCounts countSymbols(const std::vector<DeflateSymbol>& symbols)
{
    SymbolCounts counts;
    for (const DeflateSymbol& symbol : symbols) {
        if (symbol.distance == 0) {
            ++counts.literals[symbol.length];
            continue;
        }
        ++counts.literals[static_cast<std::size_t>(kFirstLengthCode + codeOf(kLengthBase, symbol.length))];
        ++counts.distances[static_cast<std::size_t>(codeOf(kDistanceBase, symbol.distance))];
    }
    ++counts.literals[kEndOfBlock];
    return counts;
}

// The bits the block's symbols take in these codes, extra bits included.
std::uint64_t symbolBits(const SymbolCounts& counts, const HuffmanCode& literals,
                         const HuffmanCode& distances)
{
    std::uint64_t bits = 0;
    for (std::size_t code = 0; code < counts.literals.size(); ++code) {
        const std::uint64_t extra = code >= kFirstLengthCode ? kLengthExtra[code - kFirstLengthCode] : 0;
        bits += counts.literals[code] * (literals.lengths[code] + extra);
    }
    for (std::size_t code = 0; code < counts.distances.size(); ++code)
        bits += counts.distances[code]
            * static_cast<std::uint64_t>(distances.lengths[code] + kDistanceExtra[code]);
    return bits;
}

// One symbol of the code-length code and the value of its extra bits.
struct LengthSymbol {
    std::uint8_t symbol;
    std::uint8_t extra;
};

// The code lengths as a dynamic block sends them: runs of zeros as 17 and 18,
// repeats of another length as 16 after the length itself.
std::vector<LengthSymbol> runLengths(const std::vector<std::uint8_t>& lengths)
{
    std::vector<LengthSymbol> symbols;
    for (std::size_t at = 0; at < lengths.size();) {
        const std::uint8_t value = lengths[at];
        std::size_t run = 1;
        while (at + run < lengths.size() && lengths[at + run] == value)
            ++run;
        at += run;
        if (value == 0) {
            while (run >= 11) {
                const std::size_t part = std::min<std::size_t>(run, 138);
                symbols.push_back({18, static_cast<std::uint8_t>(part - 11)});
                run -= part;
            }
            if (run >= 3) {
                symbols.push_back({17, static_cast<std::uint8_t>(run - 3)});
                run = 0;
            }
        } else {
            symbols.push_back({value, 0});
            for (--run; run >= 3;) {
                const std::size_t part = std::min<std::size_t>(run, 6);
                symbols.push_back({16, static_cast<std::uint8_t>(part - 3)});
                run -= part;
            }
        }
        for (; run > 0; --run)
            symbols.push_back({value, 0});
    }
    return symbols;
}

// How many of the lengths a block must send: up to the last used, at least
// `least`.
std::size_t sentCount(const std::vector<std::uint8_t>& lengths, std::size_t least)
{
    std::size_t count = lengths.size();
    while (count > least && lengths[count - 1] == 0)
        --count;
    return count;
}

// The header of a dynamic block: how many codes of each kind it sends, the
// code-length code and the two codes' lengths in it.
class DynamicHeader {
public:
    DynamicHeader(const HuffmanCode& literals, const HuffmanCode& distances)
        : m_literalCount(sentCount(literals.lengths, kFirstLengthCode))
        , m_distanceCount(sentCount(distances.lengths, 1))
    {
        std::vector<std::uint8_t> lengths(
            literals.lengths.begin(), literals.lengths.begin() + static_cast<std::ptrdiff_t>(m_literalCount));
        lengths.insert(lengths.end(), distances.lengths.begin(),
                       distances.lengths.begin() + static_cast<std::ptrdiff_t>(m_distanceCount));
        m_lengths = runLengths(lengths);
        std::vector<std::uint32_t> counts(kLengthCodeOrder.size(), 0);
        for (const LengthSymbol& length : m_lengths)
            ++counts[length.symbol];
        m_lengthCode = canonicalCode(huffmanCodeLengths(counts, kMaxLengthCodeBits));
        m_orderCount = kLengthCodeOrder.size();
        while (m_orderCount > 4 && m_lengthCode.lengths[kLengthCodeOrder[m_orderCount - 1]] == 0)
            --m_orderCount;
    }

    std::uint64_t bits() const
    {
        std::uint64_t bits = 5 + 5 + 4 + 3 * m_orderCount;
        for (const LengthSymbol& length : m_lengths)
            bits += std::uint64_t{m_lengthCode.lengths[length.symbol]} + kLengthCodeExtra[length.symbol];
        return bits;
    }

    void write(BitWriter& out) const
    {
        out.put(static_cast<std::uint32_t>(m_literalCount - kFirstLengthCode), 5);
        out.put(static_cast<std::uint32_t>(m_distanceCount - 1), 5);
        out.put(static_cast<std::uint32_t>(m_orderCount - 4), 4);
        for (std::size_t n = 0; n < m_orderCount; ++n)
            out.put(m_lengthCode.lengths[kLengthCodeOrder[n]], 3);
        for (const LengthSymbol& length : m_lengths) {
            m_lengthCode.write(out, length.symbol);
            out.put(length.extra, kLengthCodeExtra[length.symbol]);
        }
    }

private:
    std::size_t m_literalCount;
    std::size_t m_distanceCount;
    std::vector<LengthSymbol> m_lengths;
    HuffmanCode m_lengthCode;
    std::size_t m_orderCount = 0;
};

void writeSymbol(const DeflateSymbol& symbol, const HuffmanCode& literals, const HuffmanCode& distances,
                 BitWriter& out)
{
    if (symbol.distance == 0) {
        literals.write(out, symbol.length);
        return;
    }
    const int length = codeOf(kLengthBase, symbol.length);
    const auto lengthAt = static_cast<std::size_t>(length);
    literals.write(out, kFirstLengthCode + length);
    out.put(symbol.length - kLengthBase[lengthAt], kLengthExtra[lengthAt]);
    const int distance = codeOf(kDistanceBase, symbol.distance);
    const auto distanceAt = static_cast<std::size_t>(distance);
    distances.write(out, distance);
    out.put(symbol.distance - kDistanceBase[distanceAt], kDistanceExtra[distanceAt]);
}

} // namespace

// One block in codes made for its symbols, or in the fixed codes where
// those take fewer bits with no table to send.
void writeDeflateBlock(const std::vector<DeflateSymbol>& symbols, bool last, BitWriter& out)
{
    const SymbolCounts counts = countSymbols(symbols);
    const HuffmanCode literals = canonicalCode(huffmanCodeLengths(counts.literals, kMaxCodeBits));
    const HuffmanCode distances = canonicalCode(huffmanCodeLengths(counts.distances, kMaxCodeBits));
    const DynamicHeader header(literals, distances);
    const bool dynamic = header.bits() + symbolBits(counts, literals, distances)
        < symbolBits(counts, fixedLiteralCode(), fixedDistanceCode());
    out.put(last ? 1 : 0, 1);
    out.put(dynamic ? 2 : 1, 2);
    if (dynamic)
        header.write(out);
    const HuffmanCode& literalCode = dynamic ? literals : fixedLiteralCode();
    const HuffmanCode& distanceCode = dynamic ? distances : fixedDistanceCode();
    for (const DeflateSymbol& symbol : symbols)
        writeSymbol(symbol, literalCode, distanceCode, out);
    literalCode.write(out, kEndOfBlock);
}
