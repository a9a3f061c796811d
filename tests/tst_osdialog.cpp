// OSDialog through a fake dialog: the record it fills, and what it makes of
// the dialog's answer.

#include "export/osdialog.h"
#include "tests/fakefiledialog.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using Record = FileDialogRecord;

namespace {

// `count` copies of the UTF-8 form of one character.
std::string repeated(std::size_t count, const std::string& character)
{
    std::string text;
    for (std::size_t n = 0; n < count; ++n)
        text += character;
    return text;
}

// Both calls with everything but the varied argument at a plain value.
std::string showSave(FakeFileDialog& dialog, std::string& name, const std::string& filter = {},
                     std::int32_t extraFlags = 0, bool overwritePrompt = false, const std::string& title = {})
{
    std::int32_t index = 0;
    return OSDialog(dialog.function())
        .ShowSave(name, std::string("Judul"), filter, std::string("/data"), std::string("bmp"), -1, index,
                  title, overwritePrompt, extraFlags);
}

std::string showOpen(FakeFileDialog& dialog, std::string& name, std::int32_t& index,
                     const std::string& filter = {}, bool multi = false, bool mustExist = false,
                     bool readOnly = false, bool hideReadOnly = false, std::int32_t last = 0)
{
    return OSDialog(dialog.function())
        .ShowOpen(name, std::string("Judul"), filter, std::string("/data"), std::string("txt"), -1, index,
                  multi, 0, std::string(), mustExist, readOnly, hideReadOnly, last);
}

} // namespace

TEST(OSDialogRecord, FilterBecomesNulSeparatedPairs)
{
    const std::string twoPairs = "Gambar\0*.bmp\0Semua file\0*.*\0\0"s;
    const struct {
        const char* why;
        const char* filter;
        std::string expected;
    } rows[] = {
        {"bars", "Gambar|*.bmp|Semua file|*.*", twoPairs},
        {"colons", "Gambar:*.bmp:Semua file:*.*", twoPairs},
        {"bars and colons mixed", "Gambar:*.bmp|Semua file:*.*", twoPairs},
        {"one pair", "Save Gambar Bangun Ruang|*.bmp", "Save Gambar Bangun Ruang\0*.bmp\0\0"s},
        {"empty", "", nuls(2)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        FakeFileDialog dialog;
        std::string name;
        showSave(dialog, name, row.filter);
        std::int32_t index = 0;
        showOpen(dialog, name, index, row.filter);
        ASSERT_EQ(dialog.calls().size(), 2u);
        EXPECT_EQ(dialog.calls()[0].record.filter, row.expected);
        EXPECT_EQ(dialog.calls()[1].record.filter, row.expected);
    }
}

TEST(OSDialogRecord, SaveFlags)
{
    const struct {
        const char* why;
        std::int32_t extra;
        bool overwritePrompt;
        std::uint32_t expected;
    } rows[] = {
        {"hook and template bits dropped, hide-read-only always", 0x66, false, 0x6},
        {"overwrite prompt", 0, true, Record::OverwritePrompt | Record::HideReadOnly},
        {"other extra flags kept; no explorer bit of its own", 0x1000, false, 0x1004},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        FakeFileDialog dialog;
        std::string name;
        showSave(dialog, name, {}, row.extra, row.overwritePrompt);
        EXPECT_EQ(dialog.last().flags, row.expected);
        EXPECT_EQ(dialog.calls().back().kind, FileDialogKind::Save);
    }
}

TEST(OSDialogRecord, OpenFlags)
{
    const struct {
        const char* why;
        bool multi, mustExist, readOnly, hideReadOnly;
        std::int32_t last;
        std::uint32_t expected;
    } rows[] = {
        {"nothing asked", false, false, false, false, 0, Record::Explorer},
        {"last argument not merged", false, false, false, false, 0x66, Record::Explorer},
        {"must exist", false, true, false, false, 0, Record::Explorer | Record::FileMustExist},
        {"everything", true, true, true, true, 0, 0x81205},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        FakeFileDialog dialog;
        std::string name;
        std::int32_t index = 0;
        showOpen(dialog, name, index, {}, row.multi, row.mustExist, row.readOnly, row.hideReadOnly, row.last);
        EXPECT_EQ(dialog.last().flags, row.expected);
        EXPECT_EQ(dialog.calls().back().kind, FileDialogKind::Open);
    }
}

TEST(OSDialogRecord, BuffersArePaddedTo2048)
{
    FakeFileDialog dialog;
    std::string name = std::string("gambar.bmp");
    showSave(dialog, name, {}, 0, false, std::string("judul"));
    const Record& record = dialog.last();
    EXPECT_EQ(record.file, "gambar.bmp" + nuls(2038));
    EXPECT_EQ(record.fileTitle, "judul" + nuls(2043));
    EXPECT_EQ(record.initialDir, "/data");
    EXPECT_EQ(record.title, "Judul");
    EXPECT_EQ(record.defaultExt, "bmp");
}

TEST(OSDialogResult, CancelEmptiesTheCallersName)
{
    FakeFileDialog dialog;
    dialog.cancel();
    dialog.cancel();
    std::string name = std::string("/data/lama.bmp");
    EXPECT_EQ(showSave(dialog, name), std::string());
    EXPECT_EQ(name, std::string());

    name = std::string("/data/lama.txt");
    std::int32_t index = 3;
    EXPECT_EQ(showOpen(dialog, name, index), std::string());
    EXPECT_EQ(name, std::string());
    EXPECT_EQ(index, 3);
}

TEST(OSDialogResult, NoDialogsHandedInIsAFailure)
{
    std::string name = std::string("/data/lama.bmp");
    std::int32_t index = 0;
    EXPECT_EQ(OSDialog().ShowSave(name, {}, {}, {}, {}, -1, index, {}, true, 0), std::string());
    EXPECT_EQ(name, std::string());
}

TEST(OSDialogResult, SaveTakesThePathUpToItsNulAndTheIndex)
{
    const struct {
        const char* why;
        std::string buffer;
        std::string expected;
    } rows[] = {
        {"stale text after the NUL", "/data/baru.bmp\0ama.bmp\0"s, std::string("/data/baru.bmp")},
        {"letters beyond ASCII are counted as characters", "/data/gambar-\xC3\xA9l\xC3\xA8ve.bmp",
         std::string("/data/gambar-\u00E9l\u00E8ve.bmp")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        FakeFileDialog dialog;
        dialog.answerBuffer(row.buffer, 2);
        std::string name = std::string("/data/lama.bmp");
        std::int32_t index = 0;
        const std::string result
            = OSDialog(dialog.function()).ShowSave(name, {}, {}, {}, {}, -1, index, {}, true, 0);
        EXPECT_EQ(name, row.expected);
        EXPECT_EQ(result, row.expected);
        EXPECT_EQ(index, 2);
    }
}

TEST(OSDialogResult, OpenAnswers)
{
    const std::string longPath = "/" + std::string(2046, 'p');
    const struct {
        const char* why;
        std::string buffer;
        std::string expected;
        std::int32_t expectedIndex;
    } rows[] = {
        {"one file", "/data/a.txt", std::string("/data/a.txt"), 2},
        {"several files give their folder", "/data\0a.txt\0b.txt\0\0"s, std::string("/data"), 2},
        // Only one NUL fits after this path: the index is not trusted, and
        // the name still must not carry the NUL.
        {"path filling the buffer", longPath, longPath, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        FakeFileDialog dialog;
        dialog.answerBuffer(row.buffer, 2);
        std::string name;
        std::int32_t index = 1;
        EXPECT_EQ(showOpen(dialog, name, index), row.expected);
        EXPECT_EQ(name, row.expected);
        EXPECT_EQ(index, row.expectedIndex);
    }
}

TEST(OSDialogLimits, OverlongNameOrTitleIsRefusedBeforeAnyDialog)
{
    FakeFileDialog dialog;
    const std::string overlong(2049, 'x');
    std::string name = overlong;
    EXPECT_THROW(showSave(dialog, name), FileNameTooLong);
    std::int32_t index = 0;
    EXPECT_THROW(showOpen(dialog, name, index), FileNameTooLong);
    EXPECT_EQ(name, overlong);

    name.clear();
    EXPECT_THROW(showSave(dialog, name, {}, 0, false, overlong), FileNameTooLong);
    EXPECT_TRUE(dialog.calls().empty());

    // A name of exactly the buffer's length still goes to the dialog.
    name = std::string(2048, 'x');
    showSave(dialog, name);
    ASSERT_EQ(dialog.calls().size(), 1u);
    EXPECT_EQ(dialog.last().file, std::string(2048, 'x'));
}

TEST(OSDialogLimits, BuffersCountBytesOfNonAsciiNames)
{
    FakeFileDialog dialog;
    // "é" takes two bytes: 1024 of them fill the buffer exactly, 1025 do not fit.
    std::string name = repeated(1024, "\u00e9");
    dialog.choose(name);
    EXPECT_EQ(showSave(dialog, name), repeated(1024, "\u00e9"));
    ASSERT_EQ(dialog.calls().size(), 1u);
    EXPECT_EQ(dialog.last().file.size(), OSDialog::kBufferLength);
    EXPECT_EQ(dialog.last().file, name);

    name = repeated(1025, "\u00e9");
    EXPECT_THROW(showSave(dialog, name), FileNameTooLong);

    // A shorter name is padded with NULs to the same 2048 bytes, and comes
    // back whole: three-byte characters are cut at the NUL, not before it.
    name = repeated(600, "\u6587");
    dialog.choose(name);
    EXPECT_EQ(showSave(dialog, name), repeated(600, "\u6587"));
    EXPECT_EQ(dialog.last().file, name + nuls(2048 - 1800));
}
