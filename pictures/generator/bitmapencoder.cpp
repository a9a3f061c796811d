#include "bitmapencoder.h"

#include <stdexcept>

namespace {

constexpr int kPixelsPerMetre = 3780; // 96 dots per inch

void put16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

int rowStride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

bool isOpaque(Rgba colour)
{
    return colour.a >= 128;
}

// BITMAPINFOHEADER. Icons store twice the height: the colour rows, then the
// mask rows.
void putInfoHeader(Bytes& out, int width, int storedHeight, int bitsPerPixel, std::uint32_t imageBytes,
                   std::uint32_t paletteEntries)
{
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(storedHeight));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, paletteEntries);
    put32(out, 0);
}

void putPalette(Bytes& out, const std::vector<Rgba>& palette)
{
    for (const Rgba& entry : palette) {
        out.push_back(entry.b);
        out.push_back(entry.g);
        out.push_back(entry.r);
        out.push_back(0);
    }
}

// Rows bottom-up, each padded to four bytes; `value(x, y)` gives the index.
template <typename Value>
void putIndexedRows(Bytes& out, int width, int height, int bitsPerPixel, Value value)
{
    const int stride = rowStride(width, bitsPerPixel);
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x) {
            const unsigned index = value(x, y);
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(index << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void putTrueColourRows(Bytes& out, const Canvas& canvas, bool withAlpha)
{
    const int bitsPerPixel = withAlpha ? 32 : 24;
    const int stride = rowStride(canvas.width(), bitsPerPixel);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        Bytes row;
        row.reserve(static_cast<std::size_t>(stride));
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba p = canvas.pixel(x, y);
            row.push_back(p.b);
            row.push_back(p.g);
            row.push_back(p.r);
            if (withAlpha)
                row.push_back(p.a);
        }
        row.resize(static_cast<std::size_t>(stride), 0);
        out.insert(out.end(), row.begin(), row.end());
    }
}

void putMaskRows(Bytes& out, const Canvas& canvas)
{
    putIndexedRows(out, canvas.width(), canvas.height(), 1,
                   [&](int x, int y) { return isOpaque(canvas.pixel(x, y)) ? 0u : 1u; });
}

Bytes withFileHeader(const Bytes& dib, std::uint32_t pixelOffsetInDib)
{
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(14 + dib.size()));
    put16(out, 0);
    put16(out, 0);
    put32(out, 14 + pixelOffsetInDib);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

int distance2(Rgba a, Rgba b)
{
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

} // namespace

std::vector<Rgba> monochromePalette()
{
    return {{0, 0, 0, 255}, {255, 255, 255, 255}};
}

std::vector<Rgba> vgaPalette()
{
    return {
        {0, 0, 0, 255},       {128, 0, 0, 255},   {0, 128, 0, 255},   {128, 128, 0, 255},
        {0, 0, 128, 255},     {128, 0, 128, 255}, {0, 128, 128, 255}, {192, 192, 192, 255},
        {128, 128, 128, 255}, {255, 0, 0, 255},   {0, 255, 0, 255},   {255, 255, 0, 255},
        {0, 0, 255, 255},     {255, 0, 255, 255}, {0, 255, 255, 255}, {255, 255, 255, 255},
    };
}

std::vector<Rgba> iconPalette()
{
    std::vector<Rgba> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51), 255});
    for (int n = 0; n < 40; ++n) {
        const auto level = static_cast<std::uint8_t>((n * 255 + 19) / 39);
        palette.push_back({level, level, level, 255});
    }
    return palette;
}

PaletteImage quantised(const Canvas& canvas, const std::vector<Rgba>& palette)
{
    PaletteImage image{canvas.width(), canvas.height(), {}, palette};
    image.indices.reserve(static_cast<std::size_t>(canvas.width()) * static_cast<std::size_t>(canvas.height()));
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba p = canvas.pixel(x, y);
            std::size_t best = 0;
            for (std::size_t n = 1; n < palette.size(); ++n)
                if (distance2(p, palette[n]) < distance2(p, palette[best]))
                    best = n;
            image.indices.push_back(static_cast<std::uint8_t>(best));
        }
    }
    return image;
}

Bytes encodeBmp(const PaletteImage& image, int bitsPerPixel)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw std::invalid_argument("palette bitmaps have 1, 4 or 8 bits per pixel");
    if (image.palette.empty() || image.palette.size() > (std::size_t{1} << bitsPerPixel))
        throw std::invalid_argument("palette does not fit the depth");
    const auto imageBytes
        = static_cast<std::uint32_t>(rowStride(image.width, bitsPerPixel) * image.height);
    Bytes dib;
    putInfoHeader(dib, image.width, image.height, bitsPerPixel, imageBytes,
                  static_cast<std::uint32_t>(image.palette.size()));
    putPalette(dib, image.palette);
    const auto pixelOffset = static_cast<std::uint32_t>(dib.size());
    putIndexedRows(dib, image.width, image.height, bitsPerPixel, [&](int x, int y) {
        return static_cast<unsigned>(
            image.indices.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width)
                             + static_cast<std::size_t>(x)));
    });
    return withFileHeader(dib, pixelOffset);
}

Bytes encodeBmp24(const Canvas& canvas)
{
    Bytes dib;
    putInfoHeader(dib, canvas.width(), canvas.height(), 24,
                  static_cast<std::uint32_t>(rowStride(canvas.width(), 24) * canvas.height()), 0);
    const auto pixelOffset = static_cast<std::uint32_t>(dib.size());
    putTrueColourRows(dib, canvas, false);
    return withFileHeader(dib, pixelOffset);
}

Bytes encodeMaskBmp(const Canvas& canvas)
{
    Bytes dib;
    putInfoHeader(dib, canvas.width(), canvas.height(), 1,
                  static_cast<std::uint32_t>(rowStride(canvas.width(), 1) * canvas.height()), 2);
    putPalette(dib, monochromePalette());
    const auto pixelOffset = static_cast<std::uint32_t>(dib.size());
    putMaskRows(dib, canvas);
    return withFileHeader(dib, pixelOffset);
}

Bytes encodeIco(const std::vector<IconImage>& images)
{
    std::vector<Bytes> bodies;
    for (const IconImage& icon : images) {
        const Canvas& canvas = icon.image;
        if (canvas.width() > 255 || canvas.height() > 255)
            throw std::invalid_argument("icon images are at most 255 pixels here");
        const int colourBytes = rowStride(canvas.width(), icon.bitsPerPixel) * canvas.height();
        const int maskBytes = rowStride(canvas.width(), 1) * canvas.height();
        Bytes body;
        if (icon.bitsPerPixel == 8) {
            // Transparent pixels take index 0 (black) so that the classic
            // AND-then-XOR drawing leaves the background untouched.
            Canvas opaqueOnly = canvas;
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x)
                    if (!isOpaque(canvas.pixel(x, y)))
                        opaqueOnly.setPixel(x, y, {0, 0, 0, 255});
            const PaletteImage image = quantised(opaqueOnly, iconPalette());
            putInfoHeader(body, canvas.width(), canvas.height() * 2, 8,
                          static_cast<std::uint32_t>(colourBytes + maskBytes), 256);
            putPalette(body, image.palette);
            putIndexedRows(body, image.width, image.height, 8, [&](int x, int y) {
                return static_cast<unsigned>(
                    image.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width)
                                  + static_cast<std::size_t>(x)]);
            });
        } else if (icon.bitsPerPixel == 32) {
            putInfoHeader(body, canvas.width(), canvas.height() * 2, 32,
                          static_cast<std::uint32_t>(colourBytes + maskBytes), 0);
            putTrueColourRows(body, canvas, true);
        } else {
            throw std::invalid_argument("icon images have 8 or 32 bits per pixel here");
        }
        putMaskRows(body, canvas);
        bodies.push_back(std::move(body));
    }

    Bytes out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, static_cast<unsigned>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t n = 0; n < images.size(); ++n) {
        const IconImage& icon = images[n];
        out.push_back(static_cast<std::uint8_t>(icon.image.width()));
        out.push_back(static_cast<std::uint8_t>(icon.image.height()));
        out.push_back(0); // 0: 256 colours or more
        out.push_back(0);
        put16(out, 1);
        put16(out, static_cast<unsigned>(icon.bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(bodies[n].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[n].size());
    }
    for (const Bytes& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}
