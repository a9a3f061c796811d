// Where a picture may be written: names refused on their text, and what a
// name already is on disk (links, special files, folders).

#include "export/savetarget.h"
#include "export/savetexts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#ifdef __unix__
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

// A fresh folder under the system's temporary folder, removed with its
// contents at the end of the test.
class Folder {
public:
    Folder()
        : m_path(fs::temp_directory_path() / ("ruvex-target-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(m_path);
    }
    ~Folder() { fs::remove_all(m_path); }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

[[maybe_unused]] void touch(const std::string& path)
{
    std::ofstream(path) << "lama";
}

// A name and the beginning of its refusal (empty: accepted) under a limit.
struct NameCase {
    const char* why;
    std::string path;
    std::size_t limit;
    const char* refusal;
};

std::vector<NameCase> controlCharacterCases()
{
    const std::string folder = "/tmp/";
    return {
        {"plain name", folder + "gambar.bmp", 2047, ""},
        {"new-line", folder + "gam\nbar.bmp", 2047, "Nama file tidak boleh memuat karakter kendali"},
        {"tab", folder + "gam\tbar.bmp", 2047, "Nama file tidak boleh memuat karakter kendali"},
        {"delete character",
         folder
             + "gam\x7f"
               "bar.bmp",
         2047, "Nama file tidak boleh memuat"},
        {"C1 control U+0085", folder + "gam\u0085bar.bmp", 2047, "Nama file tidak boleh memuat"},
        {"C1 control U+009B", folder + "gam\u009bbar.bmp", 2047, "Nama file tidak boleh memuat"},
        {"line separator U+2028", folder + "gam\u2028bar.bmp", 2047, "Nama file tidak boleh memuat"},
        {"paragraph separator U+2029", folder + "gam\u2029bar.bmp", 2047, "Nama file tidak boleh memuat"},
        {"no-break space, en dash, euro sign", folder + "a\u00a0b\u2013c\u20ac.bmp", 2047, ""},
    };
}

std::vector<NameCase> lengthCases()
{
    const std::string folder = "/tmp/";
    const std::string cjk = "\xe5\x9b\xbe"; // one character, three bytes
    std::string name85;
    for (int n = 0; n < 85; ++n)
        name85 += cjk; // 255 bytes
    // Short folder names, so only the whole path's length counts.
    std::string deep;
    for (int n = 0; n < 20; ++n)
        deep += "/" + std::string(99, 'd');                                               // 2000 bytes
    [[maybe_unused]] const std::string deeper = deep + deep + "/" + std::string(99, 'd'); // 4100 bytes
    return {
        {"at the caller's limit", deep + "/" + std::string(46, 'f'), 2047, ""},
        {"one byte past it", deep + "/" + std::string(47, 'f'), 2047,
         "Nama file itu terlalu panjang untuk program ini: 2048 byte, sedangkan batasnya 2047 byte"},
        {"255 bytes of CJK in one name", folder + name85, 2047, ""},
        {"256 bytes in one name", folder + name85 + "x", 2047,
         "Nama file itu terlalu panjang untuk sistem file: 256 byte, sedangkan sistem file menerima paling "
         "banyak 255 byte"},
        {"252 characters and the extension", folder + std::string(252, 'a') + ".bmp", kNoPathLimit,
         "Nama file itu terlalu panjang untuk sistem file: 256 byte"},
#ifdef __unix__
        {"whole path over the system's", deeper, kNoPathLimit,
         "Alamat file itu terlalu panjang untuk sistem file: 4100 byte, sedangkan batasnya 4095 byte"},
#endif
    };
}

} // namespace

TEST(RefuseName, ControlCharactersAndLengthsInBytes)
{
    std::vector<NameCase> rows = controlCharacterCases();
    for (NameCase& row : lengthCases())
        rows.push_back(std::move(row));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        const std::string refusal = refuseName(row.path, row.limit);
        EXPECT_EQ(refusal.substr(0, std::string(row.refusal).size()), row.refusal);
        EXPECT_EQ(refusal.empty(), std::string(row.refusal).empty()) << refusal;
    }
}

// The WebAssembly build has no file system of its own to make these in.
#if defined(__unix__) && !defined(__EMSCRIPTEN__)
namespace {

// In `chosen`: a file, a named pipe, a folder, and links to a file elsewhere,
// to nothing, to a device, to the pipe and to themselves.
void makeTargets(const Folder& chosen, const Folder& elsewhere)
{
    touch(chosen / "lama.bmp");
    touch(elsewhere / "asli.bmp");
    ASSERT_EQ(mkfifo((chosen / "fifo.bmp").c_str(), 0600), 0);
    fs::create_directory(chosen / "folder.bmp");
    fs::create_symlink(elsewhere / "not-a-picture.conf", chosen / "putus.bmp");
    fs::create_symlink(elsewhere / "asli.bmp", chosen / "tautan.bmp");
    fs::create_symlink("/dev/null", chosen / "perangkat.bmp");
    fs::create_symlink(chosen / "fifo.bmp", chosen / "kefifo.bmp");
    fs::create_symlink(chosen / "putaran.bmp", chosen / "putaran.bmp");
    fs::create_directory_symlink(chosen / "folderputar", chosen / "folderputar");
}

struct TargetCase {
    const char* name;
    std::string refusalPart; // empty: may be written
    std::string path;        // what is written
    bool replaces;
};

} // namespace

TEST(VetSaveTarget, OnlyRegularFilesAreWrittenAndLinksCountAsWhatTheyLeadTo)
{
    Folder chosen;
    Folder elsewhere;
    ASSERT_NO_FATAL_FAILURE(makeTargets(chosen, elsewhere));
    const std::string realOriginal = fs::canonical(elsewhere / "asli.bmp").string();

    const TargetCase rows[] = {
        {"baru.bmp", {}, chosen / "baru.bmp", false},
        {"lama.bmp", {}, chosen / "lama.bmp", true},
        {"tautan.bmp", {}, realOriginal, true},
        {"putus.bmp",
         "adalah tautan simbolik ke \u00ab" + (elsewhere / "not-a-picture.conf") + "\u00bb, yang tidak ada",
         {},
         false},
        {"putaran.bmp", "Tautan di jalur \u00ab" + (chosen / "putaran.bmp") + "\u00bb berputar", {}, false},
        {"folderputar/x.bmp",
         "Tautan di jalur \u00ab" + (chosen / "folderputar/x.bmp") + "\u00bb berputar",
         {},
         false},
        {"fifo.bmp", "adalah sebuah pipa bernama (FIFO), bukan file biasa", {}, false},
        {"kefifo.bmp", ", sebuah pipa bernama (FIFO), bukan file biasa", {}, false},
        {"perangkat.bmp", ", sebuah perangkat (device), bukan file biasa", {}, false},
        {"folder.bmp", "adalah sebuah folder, bukan file biasa", {}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const SaveTarget target = vetSaveTarget(chosen / row.name);
        if (!row.refusalPart.empty()) {
            EXPECT_NE(target.refusal.find(row.refusalPart), std::string::npos) << target.refusal;
        } else {
            EXPECT_EQ(target.refusal, "");
            EXPECT_EQ(target.path, row.path);
            EXPECT_EQ(target.replaces, row.replaces);
        }
    }
    // Vetting changed nothing: no file appeared where the dangling link points.
    EXPECT_FALSE(fs::exists(elsewhere / "not-a-picture.conf"));
    EXPECT_TRUE(fs::is_fifo(chosen / "fifo.bmp"));
}
#endif

TEST(FailureCause, CausesAUserMeetsAreTranslated)
{
    const struct {
        int error;
        const char* expected;
    } rows[] = {
        {EACCES, "Anda tidak punya izin untuk menulis di folder \u00ab/data\u00bb."},
        {EROFS, "Folder itu berada pada sistem file yang hanya dapat dibaca (read-only)."},
        {ENOSPC, "Disk penuh: tidak ada ruang tersisa untuk menyimpan gambar."},
        {ENAMETOOLONG, "Nama file atau alamatnya terlalu panjang untuk sistem file."},
        {ENOTDIR, "Salah satu bagian alamat itu bukan sebuah folder, melainkan sebuah file."},
        {ENOENT, "Folder \u00ab/data\u00bb tidak ada."},
#ifdef EDQUOT
        {EDQUOT, "Kuota disk Anda sudah habis."},
#endif
        {ELOOP, "Tautan di jalur \u00ab/data\u00bb berputar"},
        {EXDEV, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        EXPECT_EQ(failureCause(row.error, "/data").rfind(row.expected, 0), 0u)
            << failureCause(row.error, "/data");
    }
}

// The message templates are filled in one pass: a name that holds "%2" is
// shown as typed, not with the reason put into it.
TEST(SaveTexts, FillInKeepsMarkersInsideTheName)
{
    EXPECT_EQ(SaveTexts::fillIn(SaveTexts::kRefusedName, "a%2b.bmp", "terlalu panjang"),
              "Gambar tidak disimpan dengan nama\na%2b.bmp\n\nterlalu panjang");
    EXPECT_EQ(SaveTexts::fillIn("%1 dan %1, 50%", "x", "y"), "x dan x, 50%");
}

// A text-direction control shows a name as another ("\u202Egnp.bmp" reads as
// "bmp.png"), so it is refused as the other controls are; the messages that
// quote a name show it escaped.
TEST(RefuseName, TextDirectionControlsAreRefusedAndNamesInMessagesEscaped)
{
    for (const char* name : {"\u202egnp.bmp", "gam\u202abar.png", "gambar\u2066.svg", "a\u2069.bmp",
                             "gam\u200ebar.png", "\u200fx.png", "a\u061c.svg"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(refuseName(std::string("/tmp/") + name)
                      .rfind("Nama file tidak boleh memuat karakter kendali "
                             "arah teks",
                             0),
                  0u);
    }
    EXPECT_EQ(SaveTexts::refusedNameMessage("a\u202eb\n.bmp", "sebab"),
              "Gambar tidak disimpan dengan nama\na\\u202Eb\\n.bmp\n\nsebab");
    EXPECT_EQ(SaveTexts::notWrittenMessage("\u2067x.png", "sebab\nkedua"),
              "Gambar tidak dapat disimpan ke file\n\\u2067x.png\n\nsebab\nkedua");
    EXPECT_EQ(SaveTexts::replaceQuestion("t\u202e.bmp", "/asli\u2066.bmp"),
              "\u00abt\\u202E.bmp\u00bb adalah tautan ke file \u00ab/asli\\u2066.bmp\u00bb, yang sudah ada.\n"
              "Apakah file \u00ab/asli\\u2066.bmp\u00bb akan diganti?");
    EXPECT_EQ(obstacleCause(WriteObstacle::FolderRemoved, "x", "/a\u202eb")
                  .rfind("Folder \u00ab/a\\u202Eb\u00bb", 0),
              0u);
}
