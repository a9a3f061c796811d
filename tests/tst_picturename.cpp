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

} // namespace

TEST(PictureName, HiddenEmptyAndFolderNamesAreRefusedAndTheRestNamed)
{
    constexpr auto bare = NameForm::BareName;
    constexpr auto path = NameForm::Path;
    const struct {
        const char* chosen;
        NameForm form;
        int filterIndex;     // 0: "Save Gambar"
        const char* result;  // the name written; nullptr: refused
        const char* refusal; // the refusal's beginning
    } rows[] = {
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
    for (const auto& row : rows) {
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
