#include "export/savetarget.h"

#include "export/escapedtext.h"
#include "export/picturepath.h"

#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

#ifdef __unix__
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string number(std::size_t value)
{
    return std::to_string(value);
}

std::string linkLoop(const std::string& path)
{
    return "Tautan di jalur " + quotedName(path)
        + " berputar (menunjuk ke dirinya sendiri), sehingga tidak menuju ke file atau folder mana pun. "
          "Pilih nama lain.";
}

// What a file that is not a regular file is, in the user's words.
std::string kindOf(fs::file_type type)
{
    switch (type) {
    case fs::file_type::directory:
        return "sebuah folder";
    case fs::file_type::fifo:
        return "sebuah pipa bernama (FIFO)";
    case fs::file_type::socket:
        return "sebuah soket";
    case fs::file_type::character:
    case fs::file_type::block:
        return "sebuah perangkat (device)";
    default:
        return "sesuatu yang bukan file biasa";
    }
}

std::string fromPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path toPath(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

} // namespace

std::size_t fileNameLimit(const std::string& folder)
{
    // In the browser no folder of the user's is at hand (downloads go to the
    // browser's own), and its C library answers 255 for any: asking the file
    // system there would only carry one into the page.
#if defined(__unix__) && defined(_PC_NAME_MAX) && !defined(__EMSCRIPTEN__)
    // The folder may not exist yet; its nearest existing ancestor lies on
    // the same file system, or the write fails for that reason anyway.
    fs::path at = toPath(folder.empty() ? std::string(".") : folder);
    std::error_code error;
    while (!fs::exists(at, error) && at.has_relative_path())
        at = at.parent_path();
    const long limit = pathconf(at.c_str(), _PC_NAME_MAX);
    if (limit > 0)
        return static_cast<std::size_t>(limit);
#else
    (void)folder;
#endif
    return 255;
}

std::string refuseName(const std::string& path, std::size_t limit)
{
    switch (firstControlCharacter(path)) {
    case ControlCharacter::Control:
        return "Nama file tidak boleh memuat karakter kendali, misalnya baris baru atau tab. "
               "Hapus karakter itu dari nama file.";
    case ControlCharacter::TextDirection:
        return "Nama file tidak boleh memuat karakter kendali arah teks (U+202A sampai U+202E, U+2066 sampai "
               "U+2069, U+200E, U+200F, U+061C), yang membuat nama tampak lain dari yang sebenarnya. Hapus "
               "karakter itu dari nama file.";
    case ControlCharacter::None:
        break;
    }
    if (path.size() > limit)
        return "Nama file itu terlalu panjang untuk program ini: " + number(path.size())
            + " byte, sedangkan batasnya " + number(limit)
            + " byte. Pendekkan nama file atau pilih folder yang alamatnya lebih pendek.";
    const std::string folder = folderOf(path);
    const std::size_t nameLength = path.size() - folder.size();
    const std::size_t nameLimit = fileNameLimit(folder);
    if (nameLength > nameLimit)
        return "Nama file itu terlalu panjang untuk sistem file: " + number(nameLength)
            + " byte, sedangkan sistem file menerima paling banyak " + number(nameLimit)
            + " byte untuk satu nama. Pendekkan nama file.";
#if defined(__unix__) && defined(PATH_MAX)
    // PATH_MAX counts the closing NUL. Windows has a PATH_MAX of 260 too, but
    // the toolkit writes longer paths there through the system's long-path
    // form, so only the name's own limit applies.
    const std::size_t pathLimit = PATH_MAX - 1;
    if (path.size() > pathLimit)
        return "Alamat file itu terlalu panjang untuk sistem file: " + number(path.size())
            + " byte, sedangkan batasnya " + number(pathLimit)
            + " byte. Pilih folder yang alamatnya lebih pendek.";
#endif
    return {};
}

namespace {

// A link at `chosen`: written as the regular file it leads to, refused when it
// leads nowhere or to anything else.
SaveTarget throughLink(const std::string& path, const fs::path& chosen)
{
    SaveTarget target{path, false, {}};
    std::error_code error;
    const fs::path leadsTo = fs::read_symlink(chosen, error);
    const fs::file_status status = fs::status(chosen, error);
    if (error == std::errc::too_many_symbolic_link_levels) {
        target.refusal = linkLoop(path);
        return target;
    }
    if (!fs::exists(status)) {
        target.refusal = quotedName(path) + " adalah tautan simbolik ke " + quotedName(fromPath(leadsTo))
            + ", yang tidak ada. Gambar tidak disimpan lewat tautan yang tidak menuju ke "
              "file yang ada, karena file baru itu akan berada di luar folder yang dipilih. "
              "Pilih nama lain.";
        return target;
    }
    const fs::path real = fs::canonical(chosen, error);
    if (error) {
        target.refusal
            = quotedName(path) + " adalah tautan simbolik yang tidak dapat diikuti. Pilih nama lain.";
        return target;
    }
    if (!fs::is_regular_file(status)) {
        target.refusal = quotedName(path) + " adalah tautan simbolik ke " + quotedName(fromPath(real)) + ", "
            + kindOf(status.type())
            + ", bukan file biasa. Gambar hanya disimpan ke file biasa; pilih nama lain.";
        return target;
    }
    target.path = fromPath(real);
    target.replaces = true;
    return target;
}

} // namespace

SaveTarget vetSaveTarget(const std::string& path, std::size_t limit)
{
    SaveTarget target{path, false, refuseName(path, limit)};
    if (target.refused())
        return target;

    const fs::path chosen = toPath(path);
    std::error_code error;
    const fs::file_status own = fs::symlink_status(chosen, error);
    if (error == std::errc::too_many_symbolic_link_levels) {
        target.refusal = linkLoop(path); // a folder on the way leads back to itself
        return target;
    }
    if (own.type() == fs::file_type::not_found || own.type() == fs::file_type::none)
        return target; // a new file, in the folder chosen
    if (fs::is_symlink(own))
        return throughLink(path, chosen);
    if (!fs::is_regular_file(own)) {
        target.refusal = quotedName(path) + " adalah " + kindOf(own.type())
            + ", bukan file biasa. Gambar hanya disimpan ke file biasa; pilih nama lain.";
        return target;
    }
    target.replaces = true;
    return target;
}

std::string failureCause(int error, const std::string& folder)
{
    const std::string where = folder.empty() ? std::string("folder itu") : "folder " + quotedName(folder);
    switch (error) {
    case EACCES:
    case EPERM:
        return "Anda tidak punya izin untuk menulis di " + where + ".";
    case EROFS:
        return "Folder itu berada pada sistem file yang hanya dapat dibaca (read-only).";
    case ENOSPC:
        return "Disk penuh: tidak ada ruang tersisa untuk menyimpan gambar. Kosongkan sebagian disk atau "
               "simpan di tempat lain.";
#ifdef EDQUOT
    case EDQUOT:
        return "Kuota disk Anda sudah habis. Hapus beberapa file atau simpan di tempat lain.";
#endif
    case ENAMETOOLONG:
        return "Nama file atau alamatnya terlalu panjang untuk sistem file. Pendekkan nama file.";
    case ENOTDIR:
        return "Salah satu bagian alamat itu bukan sebuah folder, melainkan sebuah file.";
    case ENOENT:
        return folder.empty() ? std::string("Folder tujuan tidak ada.")
                              : "Folder " + quotedName(folder) + " tidak ada.";
    case EISDIR:
        return "Nama itu sudah dipakai oleh sebuah folder.";
    case EFBIG:
        // Past the file system's largest file, or past the file-size limit
        // set for the program (ulimit -f), which the system tells the same way.
        return "Gambar terlalu besar: file itu melampaui batas ukuran file, batas sistem file itu atau batas "
               "yang ditetapkan untuk program ini (misalnya dengan ulimit -f). Simpan di tempat lain atau "
               "longgarkan batas itu.";
    case EIO:
        return "Perangkat penyimpanan melaporkan kesalahan saat menulis.";
    case ELOOP:
        return linkLoop(folder.empty() ? std::string(".") : folder);
    default:
        return {};
    }
}

std::string obstacleCause(WriteObstacle obstacle, const std::string& path, const std::string& folder)
{
    switch (obstacle) {
    case WriteObstacle::NameBecameLink:
        return quotedName(path)
            + " telah diganti dengan sebuah tautan simbolik setelah nama itu diperiksa. Gambar tidak "
              "disimpan "
              "lewat tautan itu, karena file yang ditulis bisa berada di luar folder yang dipilih. Simpan "
              "sekali lagi agar nama itu diperiksa kembali.";
    case WriteObstacle::NameBecameOther:
        return quotedName(path)
            + " telah diganti dengan sesuatu yang bukan file biasa setelah nama itu diperiksa. Gambar hanya "
              "disimpan ke file biasa; simpan sekali lagi agar nama itu diperiksa kembali.";
    case WriteObstacle::FolderTakesNoFiles:
        return "Di folder " + quotedName(folder)
            + " tidak dapat dibuat file: folder itu milik sistem dan hanya memuat file buatan sistem "
              "sendiri. Simpan di folder lain.";
    case WriteObstacle::FolderRemoved:
        return "Folder " + quotedName(folder)
            + " sudah dihapus selagi gambar disimpan. Pilih folder yang ada.";
    case WriteObstacle::WorkingFolderRemoved:
        return "Folder kerja program ini sudah dihapus, sehingga nama file tanpa alamat lengkap tidak "
               "menunjuk ke folder mana pun. Tulis alamat lengkap file itu, atau jalankan program dari "
               "folder yang ada.";
    }
    return {};
}
