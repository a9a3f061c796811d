#include "export/bitmapfile.h"

#include <cstddef>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;

// Little-endian, as every field of the format, whatever the machine's order.
void put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

void putHeaders(std::vector<std::uint8_t>& out, const PixelBuffer& picture, std::uint32_t pixelBytes)
{
    const std::uint32_t pixelsAt = kFileHeaderSize + kInfoHeaderSize;
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelsAt + pixelBytes); // the file's size
    put32(out, 0);                     // two reserved words
    put32(out, pixelsAt);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(picture.width()));
    put32(out, static_cast<std::uint32_t>(picture.height())); // positive: bottom-up
    put16(out, 1);                                            // one plane
    put16(out, kBitsPerPixel);
    put32(out, 0); // no compression
    put32(out, pixelBytes);
    put32(out, static_cast<std::uint32_t>(kBitmapPixelsPerMetre));
    put32(out, static_cast<std::uint32_t>(kBitmapPixelsPerMetre));
    put32(out, 0); // colours used: no palette
    put32(out, 0); // important colours: all
}

} // namespace

std::vector<std::uint8_t> bitmapFileBytes(const PixelBuffer& picture)
{
    const auto width = static_cast<std::size_t>(picture.width());
    const auto height = static_cast<std::size_t>(picture.height());
    const std::size_t rowBytes = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + rowBytes * height);
    putHeaders(out, picture, static_cast<std::uint32_t>(rowBytes * height));
    // The pixel rows are written in place: the padding stays the zeros the
    // resize put there.
    std::size_t at = out.size();
    out.resize(at + rowBytes * height, 0);
    for (std::size_t row = height; row-- > 0; at += rowBytes) {
        const std::uint32_t* pixel = picture.bits() + static_cast<std::ptrdiff_t>(row) * picture.stride();
        std::uint8_t* to = out.data() + at;
        for (std::size_t x = 0; x < width; ++x, to += 3) {
            to[0] = static_cast<std::uint8_t>(pixel[x] & 0xFF);
            to[1] = static_cast<std::uint8_t>((pixel[x] >> 8) & 0xFF);
            to[2] = static_cast<std::uint8_t>((pixel[x] >> 16) & 0xFF);
        }
    }
    return out;
}
