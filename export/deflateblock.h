#pragma once
// One deflate block (RFC 1951, 3.2.3 to 3.2.7) of bytes and repeats, coded
// with Huffman codes made for its own symbols, or with the fixed codes where
// those take fewer bits with no table to send. Finding the repeats is
// matchfinder.h's job.

#include "export/huffmancode.h"

#include <cstdint>
#include <vector>

// A byte as it is (distance 0, the byte in `length`), or a repeat of
// `length` bytes (3 to 258) from `distance` bytes back (1 to 32768).
struct DeflateSymbol {
    std::uint16_t length;
    std::uint16_t distance;
};

// The block's header, its symbols and its end; `last` marks the stream's last block.
void writeDeflateBlock(const std::vector<DeflateSymbol>& symbols, bool last, BitWriter& out);
