#pragma once
// Compressed data as PNG files hold it: a zlib stream (RFC 1950) of deflate
// blocks (RFC 1951), written by the program itself, since the page's
// WebAssembly build has no zlib to link and the desktop's PNG files must be
// the page's byte for byte.
//
// Repeats are found through hash chains of three-byte prefixes with one step
// of lazy matching, as zlib's default level does; each block is coded with
// Huffman codes made for its own symbols, or with the fixed codes where that
// is shorter (matchfinder.h finds the repeats, deflateblock.h codes the
// blocks). The same input gives the same bytes on every target: nothing
// depends on the machine's word size or byte order.

#include <cstdint>
#include <span>
#include <vector>

// The whole stream for `data`: header, blocks, and the Adler-32 of `data`.
// Empty data gives a valid stream of one empty block.
std::vector<std::uint8_t> zlibStream(std::span<const std::uint8_t> data);

// The zlib stream's checksum.
std::uint32_t adler32(std::span<const std::uint8_t> data);
