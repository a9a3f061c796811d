// Which file an export writes: the type from a typed extension or the chosen
// filter, and the extension that follows the type.

#include "export/picturetypes.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureTypes, ExportTargetFromNameAndFilter)
{
    struct Case {
        std::string typed;
        std::int32_t filterIndex;
        std::string path;
        std::size_t type;
    };
    const Case cases[] = {
        {"/tmp/kerucut", 1, "/tmp/kerucut.png", 0},
        {"/tmp/kerucut", 2, "/tmp/kerucut.png", 1},
        {"/tmp/kerucut", 3, "/tmp/kerucut.svg", 2},
        // A typed extension of an offered type chooses that type.
        {"/tmp/kerucut.svg", 1, "/tmp/kerucut.svg", 2},
        {"/tmp/kerucut.svg", 2, "/tmp/kerucut.svg", 2},
        {"/tmp/kerucut.png", 3, "/tmp/kerucut.png", 0},
        {"/tmp/kerucut.png", 2, "/tmp/kerucut.png", 1},
        {"/tmp/Kerucut.PNG", 2, "/tmp/Kerucut.PNG", 1},
        // Anything else keeps what was typed and gets the type's extension.
        {"/tmp/kerucut.bmp", 1, "/tmp/kerucut.bmp.png", 0},
        {"/tmp/bab.3 kerucut", 3, "/tmp/bab.3 kerucut.svg", 2},
        {"/tmp/lembar.v2/kerucut", 2, "/tmp/lembar.v2/kerucut.png", 1},
        {"/tmp/svg/.png", 3, "/tmp/svg/.png", 0},
        // An index the dialog should not report counts as the first type.
        {"/tmp/kerucut", 0, "/tmp/kerucut.png", 0},
        {"/tmp/kerucut", 4, "/tmp/kerucut.png", 0},
    };
    for (const Case& c : cases) {
        const ExportTarget target = exportTarget(c.typed, c.filterIndex);
        EXPECT_EQ(target.path, c.path) << c.typed << " " << c.filterIndex;
        EXPECT_EQ(target.type, c.type) << c.typed << " " << c.filterIndex;
    }
}

TEST(PictureTypes, FormatOfPath)
{
    struct Case {
        std::string path;
        std::optional<PictureFormat> format;
    };
    const Case cases[] = {
        {"kerucut.bmp", PictureFormat::Bitmap},
        {"/tmp/a.b/Kerucut.PNG", PictureFormat::Png},
        {"kerucut.svg", PictureFormat::Svg},
        {"kerucut.svg.jpeg", std::nullopt},
        {"/tmp/gambar.png/kerucut", std::nullopt},
        {"png", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatOfPath(c.path), c.format) << c.path;
}

} // namespace

TEST(PictureTypes, SharedPictureNameFromTheShapesCaption)
{
    EXPECT_EQ(sharedPictureName("Kerucut"), "kerucut.png");
    EXPECT_EQ(sharedPictureName("Setengah Bola"), "setengah-bola.png");
    EXPECT_EQ(sharedPictureName("Ellipsoida (2 buah)"), "ellipsoida-2-buah.png");
    EXPECT_EQ(sharedPictureName(" (?) "), "gambar.png") << "never a bare extension";
}

TEST(PictureTypes, EachFormatsMediaTypeMatchesItsExtension)
{
    for (const ExportType& type : kExportTypes)
        EXPECT_EQ(mediaType(type.format),
                  "image/" + std::string(type.extension == ".svg" ? "svg+xml" : "png"));
    EXPECT_EQ(mediaType(PictureFormat::Bitmap), "image/bmp");
}
