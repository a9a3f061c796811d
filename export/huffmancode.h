#pragma once
// The prefix codes of deflate's blocks (RFC 1951, 3.2.2): code lengths made
// for counted symbols within a limit, the canonical code of such lengths,
// and the bit order the codes go out in. Knows nothing of blocks or repeats:
// deflateblock.h codes a block with them.

#include <cstddef>
#include <cstdint>
#include <vector>

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

// The longest code deflate allows for literals, lengths and distances.
inline constexpr int kMaxCodeBits = 15;

// The canonical code of these lengths, none above kMaxCodeBits.
HuffmanCode canonicalCode(std::vector<std::uint8_t> lengths);

// The lengths of a Huffman code for symbols counted `counts` times, none
// longer than `limit` bits, as each block's codes are made. At least two
// symbols get a code, so that every decoder takes the code as complete;
// a tree too deep is built again from counts halved (none to zero), which
// ends at the balanced tree at the latest.
std::vector<std::uint8_t> huffmanCodeLengths(std::vector<std::uint32_t> counts, int limit);
