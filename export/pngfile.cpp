#include "export/pngfile.h"

#include "export/deflate.h"
#include "view/scaledwireframe.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <span>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kPaletteSize = 256;
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::uint8_t kColourTypePalette = 3;
constexpr std::uint8_t kUnitMetre = 1;
constexpr std::uint8_t kFilterNone = 0;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit)
            value = value & 1 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        table[n] = value;
    }
    return table;
}();

// The CRC-32 of a chunk's type and data, as PNG checks every chunk.
std::uint32_t crc32(std::span<const std::uint8_t> bytes)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (const std::uint8_t byte : bytes)
        crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFF;
}

// Big-endian, as every number in the format.
void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

void putChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data)
{
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t checkedFrom = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, crc32(std::span(out).subspan(checkedFrom)));
}

// The rows as the image data holds them: each a filter byte, then a byte a
// pixel, its colour's place in the palette.
struct IndexedRows {
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> rows;
};

// False when the picture has more colours than a palette holds.
bool indexRows(const PixelBuffer& picture, IndexedRows& indexed)
{
    const auto width = static_cast<std::size_t>(picture.width());
    indexed.rows.reserve((width + 1) * static_cast<std::size_t>(picture.height()));
    std::uint32_t last = 0;
    std::uint8_t lastIndex = 0;
    for (int y = 0; y < picture.height(); ++y) {
        indexed.rows.push_back(kFilterNone);
        const std::uint32_t* row = picture.bits() + y * picture.stride();
        for (std::size_t x = 0; x < width; ++x) {
            if (row[x] != last || indexed.palette.empty()) {
                std::size_t at = 0;
                while (at < indexed.palette.size() && indexed.palette[at] != row[x])
                    ++at;
                if (at == kPaletteSize)
                    return false;
                if (at == indexed.palette.size())
                    indexed.palette.push_back(row[x]);
                last = row[x];
                lastIndex = static_cast<std::uint8_t>(at);
            }
            indexed.rows.push_back(lastIndex);
        }
    }
    return true;
}

std::vector<std::uint8_t> rgbRows(const PixelBuffer& picture)
{
    std::vector<std::uint8_t> rows;
    rows.reserve((static_cast<std::size_t>(picture.width()) * 3 + 1)
                 * static_cast<std::size_t>(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        rows.push_back(kFilterNone);
        const std::uint32_t* row = picture.bits() + y * picture.stride();
        for (int x = 0; x < picture.width(); ++x)
            for (int shift = 16; shift >= 0; shift -= 8)
                rows.push_back(static_cast<std::uint8_t>((row[x] >> shift) & 0xFF));
    }
    return rows;
}

std::vector<std::uint8_t> headerChunk(const PixelBuffer& picture, std::uint8_t colourType)
{
    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(picture.width()));
    put32(header, static_cast<std::uint32_t>(picture.height()));
    // Deflate, no filter beyond each row's own, no interlacing.
    header.insert(header.end(), {kBitDepth, colourType, 0, 0, 0});
    return header;
}

std::vector<std::uint8_t> paletteChunk(const std::vector<std::uint32_t>& palette)
{
    std::vector<std::uint8_t> colours;
    for (const std::uint32_t colour : palette)
        for (int shift = 16; shift >= 0; shift -= 8)
            colours.push_back(static_cast<std::uint8_t>((colour >> shift) & 0xFF));
    return colours;
}

std::vector<std::uint8_t> resolutionChunk(std::uint32_t pixelsPerMetre)
{
    std::vector<std::uint8_t> resolution;
    put32(resolution, pixelsPerMetre);
    put32(resolution, pixelsPerMetre);
    resolution.push_back(kUnitMetre);
    return resolution;
}

} // namespace

std::uint32_t pngPixelsPerMetre(int scale)
{
    return static_cast<std::uint32_t>(std::lround(96.0 * scale / 0.0254));
}

std::vector<std::uint8_t> pngFileBytes(const PixelBuffer& picture, std::uint32_t pixelsPerMetre)
{
    if (picture.isEmpty())
        return {};
    IndexedRows indexed;
    const bool withPalette = indexRows(picture, indexed);
    std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
    putChunk(out, "IHDR", headerChunk(picture, withPalette ? kColourTypePalette : kColourTypeRgb));
    if (withPalette)
        putChunk(out, "PLTE", paletteChunk(indexed.palette));
    putChunk(out, "pHYs", resolutionChunk(pixelsPerMetre));
    putChunk(out, "IDAT", zlibStream(withPalette ? indexed.rows : rgbRows(picture)));
    putChunk(out, "IEND", {});
    return out;
}

std::vector<std::uint8_t> viewPngFile(const PixelBuffer& picture, const std::vector<WireframePolyline>& lines,
                                      int scale)
{
    if (scale == 1)
        return pngFileBytes(picture, pngPixelsPerMetre(1));
    const PixelBuffer scaled = linesDrawnLarger(lines, picture.width(), picture.height(), scale);
    return pngFileBytes(scaled, pngPixelsPerMetre(scale));
}
