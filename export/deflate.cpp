#include "export/deflate.h"

#include "export/deflateblock.h"
#include "export/matchfinder.h"

#include <algorithm>
#include <cstddef>

namespace {

// A repeat this long is taken without looking one byte further, as zlib's
// default level does.
constexpr std::uint32_t kLazyLength = 16;
// Symbols a block: enough that its code tables cost little, few enough that
// its codes follow the data.
constexpr std::size_t kBlockSymbols = std::size_t{1} << 15;

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
        writeDeflateBlock(m_symbols, true, m_out);
        m_out.flush();
    }

private:
    Match next(std::uint32_t at) { return at < m_data.size() ? m_finder.longestThenInsert(at) : Match{}; }
    void addLiteral(std::uint32_t at) { add({m_data[at], 0}); }
    void add(DeflateSymbol symbol)
    {
        m_symbols.push_back(symbol);
        if (m_symbols.size() == kBlockSymbols) {
            writeDeflateBlock(m_symbols, false, m_out);
            m_symbols.clear();
        }
    }

    std::span<const std::uint8_t> m_data;
    MatchFinder m_finder;
    BitWriter m_out;
    std::vector<DeflateSymbol> m_symbols;
};

void putBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

} // namespace

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
