// The PNG encoder and its deflate stream, read back by the toolkit's own
// decoders (zlib's inflate through qUncompress, libpng through QImage), which
// check every checksum on the way.

#include "export/deflate.h"
#include "export/huffmancode.h"
#include "export/pngfile.h"
#include "tests/windowsessionfixture.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "view/scaledwireframe.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The same numbers on every run.
std::uint32_t nextRandom(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

Bytes inflated(const Bytes& stream, std::size_t expectedSize)
{
    // qUncompress takes the expected size, big-endian, before the stream.
    QByteArray framed(4, '\0');
    for (int n = 0; n < 4; ++n)
        framed[n] = static_cast<char>(expectedSize >> (24 - 8 * n));
    framed.append(toQByteArray(stream));
    const QByteArray data = qUncompress(framed);
    return Bytes(data.begin(), data.end());
}

// A view's pictures as the export draws them.
const PictureSettings kCone{3, 120.0f, 60.0f, true, 200, 12, {true, true}};

// The pHYs chunk's data: pixels a metre across, down, and the unit.
std::string resolutionChunk(const Bytes& file)
{
    const std::string text(file.begin(), file.end());
    const std::size_t at = text.find("pHYs");
    return at == std::string::npos ? std::string() : text.substr(at + 4, 9);
}

} // namespace

TEST(ZlibStream, InflatesToItsInputWhateverTheData)
{
    std::uint32_t seed = 7;
    Bytes noise(100000);
    for (std::uint8_t& byte : noise)
        byte = static_cast<std::uint8_t>(nextRandom(seed));
    // A picture's rows: long runs with a few marks.
    Bytes runs(3 << 20, 0);
    for (std::size_t at = 0; at < runs.size(); at += 1 + nextRandom(seed) % 4000)
        runs[at] = static_cast<std::uint8_t>(1 + nextRandom(seed) % 3);
    // Noise repeated from as far back as the window reaches, then from
    // farther, where no repeat may be taken from.
    Bytes echoes(noise.begin(), noise.begin() + 32768);
    echoes.insert(echoes.end(), noise.begin(), noise.begin() + 32768);
    echoes.insert(echoes.end(), noise.begin(), noise.begin() + 1000);
    struct Case {
        const char* name;
        Bytes data;
        std::size_t largest;
    };
    const Case cases[] = {{"empty", {}, 16},
                          {"one byte", {42}, 16},
                          {"noise", noise, noise.size() + 1000},
                          {"runs", runs, runs.size() / 60},
                          {"echoes", echoes, 32768 + 1000 + 2000}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Bytes stream = zlibStream(test.data);
        EXPECT_EQ(inflated(stream, test.data.size()), test.data);
        EXPECT_LE(stream.size(), test.largest);
    }
}

// Counts as skewed as Fibonacci numbers make a tree deeper than a code may
// be long; a single symbol, a code of one bit no decoder takes as whole.
// Every code is complete, and a commoner symbol never has the longer code.
TEST(ZlibStream, HuffmanCodesKeepTheirLimitAndAreComplete)
{
    std::vector<std::uint32_t> fibonacci{1, 1};
    while (fibonacci.size() < 30)
        fibonacci.push_back(fibonacci.back() + fibonacci[fibonacci.size() - 2]);
    const std::pair<std::vector<std::uint32_t>, int> cases[]
        = {{fibonacci, 15}, {fibonacci, 7}, {{0, 0, 5, 0}, 15}, {{0, 0, 0}, 7}};
    for (const auto& [counts, limit] : cases) {
        const std::vector<std::uint8_t> lengths = huffmanCodeLengths(counts, limit);
        double kraft = 0.0;
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
            EXPECT_LE(lengths[symbol], limit);
            kraft += lengths[symbol] > 0 ? std::ldexp(1.0, -lengths[symbol]) : 0.0;
            if (symbol > 0 && counts[symbol - 1] > 0 && counts[symbol] > counts[symbol - 1]) {
                EXPECT_LE(lengths[symbol], lengths[symbol - 1]) << symbol;
            }
        }
        EXPECT_EQ(kraft, 1.0) << counts.size() << " symbols, limit " << limit;
    }
}

// The drawing area's picture and the one for print decode to their pixels,
// at 96 and 384 dots per inch.
TEST(PngFile, DecodesToThePictureAtNinetySixDpiTimesItsScale)
{
    const Session opened(kCone);
    const Form1Model& view = opened.model();
    const PixelBuffer& picture = view.area().Image();
    for (const int scale : {1, 4}) {
        SCOPED_TRACE(scale);
        const Bytes file = viewPngFile(picture, view.pictureLines(), scale);
        const QImage read = QImage::fromData(toQByteArray(file), "PNG");
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.format(), QImage::Format_Indexed8);
        const PixelBuffer expected = scale == 1
            ? picture
            : linesDrawnLarger(view.pictureLines(), picture.width(), picture.height(), scale);
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), imageOf(expected));
        EXPECT_EQ(read.dotsPerMeterX(), scale == 1 ? 3780 : 15118);
        EXPECT_EQ(read.dotsPerMeterY(), read.dotsPerMeterX());
        const std::string metre
            = scale == 1 ? std::string("\0\0\x0e\xc4", 4) : std::string("\0\0\x3b\x0e", 4);
        EXPECT_EQ(resolutionChunk(file), metre + metre + '\1');
    }
}

// More colours than a palette holds are kept exactly, in RGB; no pixels, no
// file.
TEST(PngFile, ManyColoursStayExactAndAnEmptyPictureHasNoFile)
{
    PixelBuffer colourful;
    colourful.reset(300, 7, 0);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 300; ++x)
            colourful.bits()[y * 300 + x]
                = 0xFF000000u | static_cast<std::uint32_t>(x * 0x010203 + y * 0x3000);
    const QImage read = QImage::fromData(toQByteArray(pngFileBytes(colourful, pngPixelsPerMetre(1))), "PNG");
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), imageOf(colourful));
    EXPECT_TRUE(pngFileBytes(PixelBuffer(), pngPixelsPerMetre(1)).empty());
}
