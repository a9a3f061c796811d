#include "export/deflate.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <queue>
#include <utility>

namespace {

constexpr std::uint32_t kWindowSize = 32768;
constexpr std::uint32_t kMinMatch = 3;
constexpr std::uint32_t kMaxMatch = 258;
constexpr int kHashBits = 15;
// The limits of zlib's default level: candidates tried at one position, a
// length that ends the search, a length taken without looking one byte
// further, and the distance beyond which a repeat of three bytes costs more
// than it saves.
constexpr int kMaxChain = 128;
constexpr std::uint32_t kNiceLength = 128;
constexpr std::uint32_t kLazyLength = 16;
constexpr std::uint32_t kTooFarForThree = 4096;
// Symbols a block: enough that its code tables cost little, few enough that
// its codes follow the data.
constexpr std::size_t kBlockSymbols = std::size_t{1} << 15;

constexpr int kLiteralCodes = 286; // bytes 0-255, end of block 256, lengths 257-285
constexpr int kDistanceCodes = 30;
constexpr int kEndOfBlock = 256;
constexpr int kFirstLengthCode = 257;
constexpr int kMaxCodeBits = 15;
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

// A byte as it is (distance 0, the byte in `length`), or a repeat of
// `length` bytes from `distance` bytes back.
struct Symbol {
    std::uint16_t length;
    std::uint16_t distance;
};

struct Match {
    std::uint32_t length = 0;
    std::uint32_t distance = 0;
};

// The code of a length or a distance: the last base not above it.
template <std::size_t Count> int codeOf(const std::array<std::uint16_t, Count>& bases, std::uint32_t value)
{
    return static_cast<int>(std::upper_bound(bases.begin(), bases.end(), value) - bases.begin()) - 1;
}

// Bits first to last into bytes from their lowest bit, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out)
        : m_out(out)
    {
    }
    void put(std::uint32_t value, int count)
    {
        m_bits |= static_cast<std::uint64_t>(value) << m_count;
        m_count += count;
        for (; m_count >= 8; m_count -= 8, m_bits >>= 8)
            m_out.push_back(static_cast<std::uint8_t>(m_bits & 0xFF));
    }
    // The last byte's unused bits are zeros.
    void flush()
    {
        if (m_count > 0)
            put(0, 8 - m_count);
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::uint64_t m_bits = 0;
    int m_count = 0;
};

// A prefix code: each symbol's length in bits (0: not in the code) and its
// code with the bits reversed, since a Huffman code goes out first bit first.
struct HuffmanCode {
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> codes;

    void write(BitWriter& out, int symbol) const
    {
        const auto at = static_cast<std::size_t>(symbol);
        out.put(codes[at], lengths[at]);
    }
};

std::uint16_t reversed(std::uint32_t code, int bits)
{
    std::uint32_t result = 0;
    for (int n = 0; n < bits; ++n, code >>= 1)
        result = result << 1 | (code & 1);
    return static_cast<std::uint16_t>(result);
}

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

SymbolCounts countSymbols(const std::vector<Symbol>& symbols)
{
    SymbolCounts counts;
    for (const Symbol& symbol : symbols) {
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

void writeSymbol(const Symbol& symbol, const HuffmanCode& literals, const HuffmanCode& distances,
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

// One block in codes made for its symbols, or in the fixed codes where
// those take fewer bits with no table to send.
void writeBlock(const std::vector<Symbol>& symbols, bool last, BitWriter& out)
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
    for (const Symbol& symbol : symbols)
        writeSymbol(symbol, literalCode, distanceCode, out);
    literalCode.write(out, kEndOfBlock);
}

// The earlier positions of each three-byte prefix, newest first, within the
// window: the head of each hash's chain, and for each position the one
// before it in its chain. Positions are 32-bit on every target.
class MatchFinder {
public:
    explicit MatchFinder(std::span<const std::uint8_t> data)
        : m_data(data)
        , m_size(static_cast<std::uint32_t>(data.size()))
        , m_head(std::size_t{1} << kHashBits, kNone)
        , m_previous(kWindowSize, kNone)
    {
    }

    // The longest repeat of the bytes at `at` from earlier positions, the
    // nearest of equal ones; length 0 when there is none worth a symbol.
    // Then `at` becomes an earlier position for the later ones.
    Match longestThenInsert(std::uint32_t at)
    {
        const Match match = longest(at);
        insert(at);
        return match;
    }

    void insert(std::uint32_t at)
    {
        if (m_size - at < kMinMatch)
            return;
        std::uint32_t& head = m_head[hash(at)];
        m_previous[at % kWindowSize] = head;
        head = at;
    }

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    std::uint32_t hash(std::uint32_t at) const
    {
        const std::uint8_t* bytes = m_data.data() + at;
        const std::uint32_t prefix = std::uint32_t{bytes[0]} << 16 | std::uint32_t{bytes[1]} << 8 | bytes[2];
        return (prefix * 2654435761u) >> (32 - kHashBits);
    }

    Match longest(std::uint32_t at) const
    {
        Match best;
        if (m_size - at < kMinMatch)
            return best;
        const std::uint32_t limit = std::min(kMaxMatch, m_size - at);
        const std::uint8_t* here = m_data.data() + at;
        std::uint32_t candidate = m_head[hash(at)];
        for (int tried = 0; candidate != kNone && at - candidate <= kWindowSize && tried < kMaxChain;
             ++tried, candidate = m_previous[candidate % kWindowSize]) {
            const std::uint8_t* there = m_data.data() + candidate;
            // Only a candidate that agrees where the best so far ends can be longer.
            if (there[best.length] != here[best.length])
                continue;
            std::uint32_t length = 0;
            while (length < limit && there[length] == here[length])
                ++length;
            if (length > best.length) {
                best = {length, at - candidate};
                if (length >= kNiceLength || length == limit)
                    break;
            }
        }
        if (best.length < kMinMatch || (best.length == kMinMatch && best.distance > kTooFarForThree))
            return {};
        return best;
    }

    std::span<const std::uint8_t> m_data;
    std::uint32_t m_size;
    std::vector<std::uint32_t> m_head;
    std::vector<std::uint32_t> m_previous;
};

// The data as deflate blocks, each of up to kBlockSymbols symbols. A repeat
// found at one position is put off by a byte when the next position starts
// a longer one.
class Compressor {
public:
    Compressor(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& out)
        : m_data(data)
        , m_finder(data)
        , m_out(out)
    {
        m_symbols.reserve(kBlockSymbols);
    }

    void run()
    {
        const auto size = static_cast<std::uint32_t>(m_data.size());
        std::uint32_t at = 0;
        Match match = size > 0 ? m_finder.longestThenInsert(0) : Match{};
        while (at < size) {
            if (match.length == 0) {
                addLiteral(at);
                match = next(++at);
                continue;
            }
            std::uint32_t inserted = at + 1; // positions up to here are in the chains
            if (match.length < kLazyLength && at + 1 < size) {
                const Match later = m_finder.longestThenInsert(at + 1);
                if (later.length > match.length) {
                    addLiteral(at++);
                    match = later;
                    continue;
                }
                inserted = at + 2;
            }
            add({static_cast<std::uint16_t>(match.length), static_cast<std::uint16_t>(match.distance)});
            for (at += match.length; inserted < at; ++inserted)
                m_finder.insert(inserted);
            match = next(at);
        }
        writeBlock(m_symbols, true, m_out);
        m_out.flush();
    }

private:
    Match next(std::uint32_t at) { return at < m_data.size() ? m_finder.longestThenInsert(at) : Match{}; }
    void addLiteral(std::uint32_t at) { add({m_data[at], 0}); }
    void add(Symbol symbol)
    {
        m_symbols.push_back(symbol);
        if (m_symbols.size() == kBlockSymbols) {
            writeBlock(m_symbols, false, m_out);
            m_symbols.clear();
        }
    }

    std::span<const std::uint8_t> m_data;
    MatchFinder m_finder;
    BitWriter m_out;
    std::vector<Symbol> m_symbols;
};

void putBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

} // namespace

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

std::uint32_t adler32(std::span<const std::uint8_t> data)
{
    constexpr std::uint32_t kModulus = 65521;
    // The most bytes whose sums cannot overflow 32 bits before the modulus.
    constexpr std::size_t kRun = 5552;
    std::uint32_t sum = 1;
    std::uint32_t sumOfSums = 0;
    for (std::size_t from = 0; from < data.size(); from += kRun) {
        const std::size_t to = std::min(data.size(), from + kRun);
        for (std::size_t at = from; at < to; ++at) {
            sum += data[at];
            sumOfSums += sum;
        }
        sum %= kModulus;
        sumOfSums %= kModulus;
    }
    return sumOfSums << 16 | sum;
}

std::vector<std::uint8_t> zlibStream(std::span<const std::uint8_t> data)
{
    // Deflate with a window of 32 KiB, the default level; the header's
    // check bits make 0x789C a multiple of 31.
    std::vector<std::uint8_t> out{0x78, 0x9C};
    Compressor(data, out).run();
    putBigEndian32(out, adler32(data));
    return out;
}
