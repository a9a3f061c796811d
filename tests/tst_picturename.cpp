// The names "Save Gambar" and "Ekspor Gambar…" write under, in the window's
// dialog (a path) and in the page's name box (a bare name): the kind's rule,
// and the names refused that would leave nothing visible or name a folder.

#include "export/picturename.h"

#include <gtest/gtest.h>

namespace {

// The bitmap as save, any other extension as export with that type.
PictureName named(const std::string& chosen, NameForm form, int filterIndex)
{
    return filterIndex == 0 ? savedPictureName(chosen, form) : exportedPictureName(chosen, filterIndex, form);
}

constexpr auto bare = NameForm::BareName;
constexpr auto path = NameForm::Path;

struct NameRow {
    const char* chosen;
    NameForm form;
    int filterIndex;     // 0: "Save Gambar"
    const char* result;  // the name written; nullptr: refused
    const char* refusal; // the refusal's beginning
};

constexpr NameRow kNameRows[] = {
    {"gambar", bare, 0, "gambar.bmp", ""},
    {"peta.lama", bare, 0, "peta.bmp", ""},
    {"kerucut", bare, 3, "kerucut.svg", ""},
    {"/tmp/gambar", path, 0, "/tmp/gambar.bmp", ""},
    {"/tmp/.lama/gambar", path, 2, "/tmp/.lama/gambar.png", ""},
    {"", bare, 0, nullptr, "Nama file masih kosong. Tulis nama file, misalnya \u00abgambar.bmp\u00bb."},
    {"", bare, 3, nullptr, "Nama file masih kosong. Tulis nama file, misalnya \u00abgambar.svg\u00bb."},
    {"/tmp/gambar/", path, 1, nullptr, "Nama file masih kosong."},
    {".", bare, 0, nullptr, "Nama file \u00ab.\u00bb hanya terdiri atas titik"},
    {"..", bare, 1, nullptr, "Nama file \u00ab..\u00bb hanya terdiri atas titik"},
    {"/tmp/...", path, 0, nullptr, "Nama file \u00ab...\u00bb hanya terdiri atas titik"},
    {".tersembunyi", bare, 0, nullptr,
     "Nama file \u00ab.tersembunyi\u00bb dimulai dengan titik, sehingga setelah akhiran .bmp dipasang "
     "tidak "
     "tersisa nama apa pun (hanya \u00ab.bmp\u00bb, sebuah file tersembunyi). Tulis nama sebelum titik, "
     "misalnya \u00abgambar.bmp\u00bb."},
    {"/tmp/.tersembunyi", path, 0, nullptr, "Nama file \u00ab.tersembunyi\u00bb dimulai dengan titik"},
    {".tersembunyi", bare, 1, nullptr,
     "Nama file \u00ab.tersembunyi\u00bb dimulai dengan titik, sehingga gambar akan menjadi file "
     "tersembunyi"},
    {"/tmp/.png", path, 2, nullptr, "Nama file \u00ab.png\u00bb dimulai dengan titik"},
    {"gambar/", bare, 0, nullptr, "Nama file \u00abgambar/\u00bb memuat tanda / atau \\"},
    {"a/b", bare, 1, nullptr, "Nama file \u00aba/b\u00bb memuat tanda / atau \\"},
    {"a\\b", bare, 0, nullptr, "Nama file \u00aba\\b\u00bb memuat tanda / atau \\"},
    {"../../etc/passwd", bare, 0, nullptr, "Nama file \u00ab../../etc/passwd\u00bb memuat tanda"},
    {".\u202egnp.bmp", bare, 0, nullptr, "Nama file \u00ab.\\u202Egnp.bmp\u00bb dimulai dengan titik"},
};

} // namespace

TEST(PictureName, HiddenEmptyAndFolderNamesAreRefusedAndTheRestNamed)
{
    for (const NameRow& row : kNameRows) {
        SCOPED_TRACE(std::string(row.chosen) + " " + std::to_string(row.filterIndex));
        const PictureName name = named(row.chosen, row.form, row.filterIndex);
        EXPECT_EQ(name.refusal.rfind(row.refusal, 0), 0u) << name.refusal;
        EXPECT_EQ(name.refused(), row.result == nullptr) << name.refusal;
        // A refused name comes back as given, for the dialog to show again.
        EXPECT_EQ(name.path, row.result ? row.result : row.chosen);
        EXPECT_EQ(name.format,
                  row.filterIndex == 0       ? PictureFormat::Bitmap
                      : row.filterIndex == 3 ? PictureFormat::Svg
                                             : PictureFormat::Png);
    }
}

// A name that shows nothing before its extension (spaces, blanks, fillers,
// characters that leave no mark) is refused on every front end, the blank
// characters escaped in the sentence; one that shows something is written as
// given, a leading U+FEFF kept.
TEST(PictureName, NamesShowingNothingBeforeTheirExtensionAreRefused)
{
    for (const std::string blank : {"\u200b", "\u00a0", "\u3000", "\u2800", "\u115f", "\u034f", "\ufe0f",
                                    "\ufeff", " ", "\u200b.\ufeff", "\u2060\u180e\U000E0020"}) {
        SCOPED_TRACE(blank);
        for (const PictureName& name :
             {savedPictureName(blank, NameForm::BareName), savedPictureName(blank + ".x", NameForm::BareName),
              exportedPictureName(blank + ".png", 1, NameForm::BareName),
              exportedPictureName("/tmp/" + blank, 3, NameForm::Path), givenPictureName(blank + ".SVG")})
            EXPECT_EQ(name.refusal.rfind("Nama file \u00ab", 0), 0u) << name.path;
    }
    EXPECT_EQ(
        exportedPictureName("\u200b\ufeff.png", 1, NameForm::BareName).refusal,
        "Nama file \u00ab\\u200B\\uFEFF.png\u00bb tidak memuat huruf atau tanda yang tampak sebelum "
        "akhirannya, hanya spasi atau karakter yang tidak terlihat, sehingga namanya tampak kosong. Tulis "
        "nama yang terlihat, misalnya \u00abgambar.png\u00bb.");
    for (const char* shown : {"\ufeffgambar.png", "a\u200b.png", "\u3000\u00e9.png", "\u200b.x.png"}) {
        SCOPED_TRACE(shown);
        EXPECT_EQ(exportedPictureName(shown, 1, NameForm::BareName).path, shown);
        EXPECT_EQ(givenPictureName(shown).path, shown);
        EXPECT_FALSE(givenPictureName(shown).refused());
    }
}

// The command line writes its name as given, the type its extension's, and
// refuses a hidden name as the window and the page do.
TEST(PictureName, TheCommandLinesNameIsWrittenAsGiven)
{
    const struct {
        const char* given;
        PictureFormat format;
        bool refused;
    } rows[] = {
        {"peta.lama.bmp", PictureFormat::Bitmap, false},
        {"/tmp/Kerucut.PNG", PictureFormat::Png, false},
        {"x.svg", PictureFormat::Svg, false},
        {".png", PictureFormat::Png, true},
        {".hidden.png", PictureFormat::Png, true},
        {"/tmp/.x.bmp", PictureFormat::Bitmap, true},
        {"a/.svg", PictureFormat::Svg, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.given);
        const PictureName name = givenPictureName(row.given);
        EXPECT_EQ(name.path, row.given);
        EXPECT_EQ(name.format, row.format);
        EXPECT_EQ(name.refused(), row.refused) << name.refusal;
    }
}
