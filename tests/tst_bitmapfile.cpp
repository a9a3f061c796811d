// The bitmap encoder: every header field of a tiny picture computed by hand,
// rows bottom-up in blue-green-red and padded for each width's remainder.

#include "export/bitmapfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

} // namespace

TEST(BitmapFileBytes, HeadersAndBottomUpPaddedRows)
{
    // Three pixels a row: nine bytes, padded to twelve.
    PixelBuffer picture;
    picture.reset(3, 2, 0);
    const std::uint32_t pixels[] = {0xFF111213, 0xFF212223, 0xFF313233, 0xFF414243, 0xFF515253, 0xFF616263};
    std::copy(std::begin(pixels), std::end(pixels), picture.bits());

    const Bytes file = bitmapFileBytes(picture);

    const Bytes headers{
        'B',  'M',  78, 0, 0,    0,    0, 0, 0,  0, 54, 0, 0, 0, // size 78, pixels at 54
        40,   0,    0,  0, 3,    0,    0, 0, 2,  0, 0,  0,       // 3 x 2, bottom-up
        1,    0,    24, 0, 0,    0,    0, 0, 24, 0, 0,  0,       // 24 bits, no compression, 24 bytes
        0xC4, 0x0E, 0,  0, 0xC4, 0x0E, 0, 0,                     // 3780 pixels a metre both ways
        0,    0,    0,  0, 0,    0,    0, 0,                     // no palette
    };
    EXPECT_EQ(slice(file, 0, 54), headers);
    // The bottom row first, blue-green-red, then three bytes of padding.
    EXPECT_EQ(slice(file, 54, file.size() - 54),
              (Bytes{0x43, 0x42, 0x41, 0x53, 0x52, 0x51, 0x63, 0x62, 0x61, 0, 0, 0,
                     0x13, 0x12, 0x11, 0x23, 0x22, 0x21, 0x33, 0x32, 0x31, 0, 0, 0}));
}

TEST(BitmapFileBytes, EveryWidthPadsItsRowsToFourBytes)
{
    for (int width = 1; width <= 4; ++width) {
        PixelBuffer picture;
        picture.reset(width, 2, 0xFFFFFFFF);
        const std::size_t row = width == 4 ? 12 : width == 3 ? 12 : width == 2 ? 8 : 4;
        const Bytes file = bitmapFileBytes(picture);
        ASSERT_EQ(file.size(), 54 + 2 * row) << width << " pixels a row";
        EXPECT_EQ(file[2] | file[3] << 8, static_cast<int>(file.size())) << width << " pixels a row";
        const Bytes padding = slice(file, 54 + 3 * static_cast<std::size_t>(width), row - 3 * width);
        EXPECT_TRUE(std::all_of(padding.begin(), padding.end(), [](std::uint8_t b) { return b == 0; }));
    }
}
