// The names saved pictures get: the forced extension and the dialog's
// starting folder.

#include "export/picturepath.h"

#include <gtest/gtest.h>

TEST(ForceExtension, CutsTheFileNameAtItsFirstDot)
{
    const struct {
        const char* why;
        const char* path;
        const char* expected;
    } rows[] = {
        {"no dot: appended", "/home/ani/gambar", "/home/ani/gambar.bmp"},
        {"other extension replaced", "/home/ani/gambar.png", "/home/ani/gambar.bmp"},
        {"already .bmp", "/home/ani/gambar.bmp", "/home/ani/gambar.bmp"},
        {"two dots: cut before the first", "/home/ani/peta.lama.png", "/home/ani/peta.bmp"},
        {"path keeps its letter case", "/home/Ani/Gambar.PNG", "/home/Ani/Gambar.bmp"},
        {"dot in a folder, none in the name", "/home/ani/v1.2/gambar", "/home/ani/v1.2/gambar.bmp"},
        {"dots in folder and name", "/home/ani.b/v1.2/gambar.x.png", "/home/ani.b/v1.2/gambar.bmp"},
        {"no folder at all", "gambar.jpeg", "gambar.bmp"},
        {"dot right after the folder", "/home/ani/.gambar", "/home/ani/.bmp"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        std::string path = std::string(row.path);
        std::string extension = std::string(".BMP");
        ForceExtension(path, extension);
        EXPECT_EQ(path, std::string(row.expected));
        EXPECT_EQ(extension, std::string(".bmp"));
    }
}

TEST(ForceExtension, EmptyPathChangesNothing)
{
    std::string path;
    std::string extension = std::string(".BMP");
    ForceExtension(path, extension);
    EXPECT_EQ(path, std::string());
    EXPECT_EQ(extension, std::string(".BMP"));
}

TEST(FolderOf, KeepsUpToTheLastSeparator)
{
    const struct {
        const char* path;
        const char* expected;
    } rows[] = {
        {"/home/ani/gambar.bmp", "/home/ani/"},
        {"/gambar.bmp", "/"},
        {"gambar.bmp", ""},
        {"", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(folderOf(std::string(row.path)), std::string(row.expected));
    }
}

#ifndef _WIN32
TEST(ForceExtension, BackslashIsAnOrdinaryCharacterHere)
{
    std::string path = std::string("/home/ani/a\\b.c");
    std::string extension = std::string(".bmp");
    ForceExtension(path, extension);
    EXPECT_EQ(path, std::string("/home/ani/a\\b.bmp"));
    EXPECT_EQ(folderOf(path), std::string("/home/ani/"));
}
#endif

#ifdef _WIN32
// Windows paths: both separators, drive letters, dots in folder names and
// network (UNC) paths keep the picture in the folder they name.
TEST(PicturePathOnWindows, FileNameIsFoundAfterEitherSeparatorOrADrive)
{
    const struct {
        const char* path;
        const char* forced;
        const char* folder;
    } rows[] = {
        {"C:\\Users\\guru\\gambar", "C:\\Users\\guru\\gambar.bmp", "C:\\Users\\guru\\"},
        {"C:\\data.v2\\x", "C:\\data.v2\\x.bmp", "C:\\data.v2\\"},
        {"C:/data.v2/x.png", "C:/data.v2/x.bmp", "C:/data.v2/"},
        {"C:\\a/b\\peta.lama.bmp", "C:\\a/b\\peta.bmp", "C:\\a/b\\"},
        {"\\\\server.lokal\\share\\gambar", "\\\\server.lokal\\share\\gambar.bmp",
         "\\\\server.lokal\\share\\"},
        {"C:gambar.jpg", "C:gambar.bmp", "C:"},
        {"d:.gambar", "d:.bmp", "d:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        std::string path = row.path;
        std::string extension = ".BMP";
        ForceExtension(path, extension);
        EXPECT_EQ(path, std::string(row.forced));
        EXPECT_EQ(folderOf(path), std::string(row.folder));
    }
}
#endif
