// Writes the program's pictures into one folder: the information windows'
// backgrounds, the menu bitmaps with their masks and the program icon. The
// build runs it and packs the files into the program's resources, so the
// pictures are made from this source and nobody edits a binary.
//
//   picturegen OUTPUT_FOLDER
//
// The output depends on nothing but this program: the same source gives the
// same bytes.

#include "artwork.h"
#include "bitmapencoder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

// The picture laid on a plain background wherever it is not drawn. White is
// bitmap 2's transparent colour (the picture itself uses no pure white);
// masked bitmaps are black where the mask lets the menu show through.
Canvas onBackground(const Canvas& picture, Rgba background)
{
    Canvas out(picture.width(), picture.height(), background);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y).a >= 128)
                out.setPixel(x, y, picture.pixel(x, y));
    return out;
}

constexpr Rgba kWhiteBackground{255, 255, 255, 255};
constexpr Rgba kBlackBackground{0, 0, 0, 255};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturegen OUTPUT_FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);

        bool ok = writeFile(folder / "aboutback.bmp", encodeBmp(quantised(aboutBackground(), vgaPalette()), 4));
        ok = ok
            && writeFile(folder / "contactback.bmp",
                         encodeBmp(quantised(contactBackground(), monochromePalette()), 1));

        for (int number = 1; number <= kMenuBitmapCount && ok; ++number) {
            const Canvas picture = menuBitmap(number);
            const std::string stem = "menu" + std::to_string(number);
            if (number == 2) {
                ok = writeFile(folder / (stem + ".bmp"), encodeBmp24(onBackground(picture, kWhiteBackground)));
            } else {
                ok = writeFile(folder / (stem + ".bmp"), encodeBmp24(onBackground(picture, kBlackBackground)))
                    && writeFile(folder / (stem + "mask.bmp"), encodeMaskBmp(picture));
            }
        }

        std::vector<IconImage> icons;
        for (const int bits : {8, 32})
            for (const int size : {48, 32, 16})
                icons.push_back({programIcon(size), bits});
        ok = ok && writeFile(folder / "ruvex3d.ico", encodeIco(icons));
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picturegen: %s\n", error.what());
        return 1;
    }
}
