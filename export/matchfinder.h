#pragma once
// The repeats deflate codes (LZ77): for a position, the longest earlier run
// of the same bytes within the last 32 KiB, found through hash chains of
// three-byte prefixes with the limits of zlib's default level. Deciding
// which repeats to take (deflate.cpp) and coding them (deflateblock.h) are
// not its job. Header only, so that its small steps inline into the
// compressor's loop.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct Match {
    std::uint32_t length = 0;
    std::uint32_t distance = 0;
};

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
    static constexpr std::uint32_t kWindowSize = 32768;
    static constexpr std::uint32_t kMinMatch = 3;
    static constexpr std::uint32_t kMaxMatch = 258;
    static constexpr int kHashBits = 15;
    // The limits of zlib's default level: candidates tried at one position,
    // a length that ends the search, and the distance beyond which a repeat
    // of three bytes costs more than it saves.
    static constexpr int kMaxChain = 128;
    static constexpr std::uint32_t kNiceLength = 128;
    static constexpr std::uint32_t kTooFarForThree = 4096;

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
