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
        QString path = QString::fromLatin1(row.path);
        QString extension = QStringLiteral(".BMP");
        ForceExtension(path, extension);
        EXPECT_EQ(path, QString::fromLatin1(row.expected));
        EXPECT_EQ(extension, QStringLiteral(".bmp"));
    }
}

TEST(ForceExtension, EmptyPathChangesNothing)
{
    QString path;
    QString extension = QStringLiteral(".BMP");
    ForceExtension(path, extension);
    EXPECT_EQ(path, QString());
    EXPECT_EQ(extension, QStringLiteral(".BMP"));
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
        EXPECT_EQ(folderOf(QString::fromLatin1(row.path)), QString::fromLatin1(row.expected));
    }
}

#ifndef Q_OS_WIN
TEST(ForceExtension, BackslashIsAnOrdinaryCharacterHere)
{
    QString path = QStringLiteral("/home/ani/a\\b.c");
    QString extension = QStringLiteral(".bmp");
    ForceExtension(path, extension);
    EXPECT_EQ(path, QStringLiteral("/home/ani/a\\b.bmp"));
    EXPECT_EQ(folderOf(path), QStringLiteral("/home/ani/"));
}
#endif
