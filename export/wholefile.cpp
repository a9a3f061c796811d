#include "export/wholefile.h"

#include "export/escapedtext.h"
#include "export/picturepath.h"
#include "export/savetarget.h"
#include "export/stopsignals.h"

#include <filesystem>

#if RUVEX_STOP_SIGNALS
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <random>
#include <utility>
#endif

std::string readOnlyReason(const std::string& path)
{
    return "File " + quotedName(path)
        + " dilindungi dari penulisan (hanya-baca). Hapus perlindungan itu atau simpan dengan nama lain.";
}

std::string unknownWriteFailure(const std::string& systemText)
{
    return "Penulisan file gagal karena sebab yang tidak dikenal.\nKeterangan sistem: " + systemText;
}

#if RUVEX_STOP_SIGNALS

namespace {

// The folder named in messages: the path's own, made absolute.
std::string messageFolder(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error).lexically_normal();
    return error ? std::string() : absolute.parent_path().string();
}

std::string reasonFor(int error, const std::string& path)
{
    const std::string cause = failureCause(error, messageFolder(path));
    return cause.empty() ? unknownWriteFailure(std::strerror(error)) : cause;
}

std::string reasonFor(WriteObstacle obstacle, const std::string& path)
{
    return obstacleCause(obstacle, path, messageFolder(path));
}

// A file descriptor, closed with its owner.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset();
        m_descriptor = std::exchange(other.m_descriptor, -1);
        return *this;
    }

    int get() const { return m_descriptor; }
    bool isOpen() const { return m_descriptor >= 0; }
    // Closes it, with the system's verdict (a late write error shows here).
    int close() { return ::close(std::exchange(m_descriptor, -1)); }

private:
    void reset()
    {
        if (m_descriptor >= 0)
            ::close(std::exchange(m_descriptor, -1));
    }
    int m_descriptor = -1;
};

// The folder is opened once and every later step works relative to it, so
// the temporary file and the rename stay in the folder that was checked even
// if its path changes meanwhile.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const std::string& path);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    std::optional<std::string> write(std::string_view bytes);

private:
    std::optional<std::string> openFolder();
    std::optional<std::string> checkName(std::optional<mode_t>& replacedMode) const;
    std::optional<std::string> createTemporary(std::optional<mode_t> replacedMode);
    std::optional<std::string> whyNoFileIsMade() const;
    std::optional<std::string> writeAll(std::string_view bytes);
    std::optional<std::string> commit();

    std::string m_path;
    std::string m_folder; // as the path gives it; empty for the working folder
    std::string m_name;
    Descriptor m_folderDescriptor;
    Descriptor m_file;
    std::string m_temporary; // its name in the folder while it exists
};

WholeFileWriter::WholeFileWriter(const std::string& path)
    : m_path(path)
    , m_folder(folderOf(path))
    , m_name(path.substr(m_folder.size()))
{
}

WholeFileWriter::~WholeFileWriter()
{
    if (!m_temporary.empty())
        unlinkat(m_folderDescriptor.get(), m_temporary.c_str(), 0);
    StopSignals::nothingToRemove();
}

std::optional<std::string> WholeFileWriter::write(std::string_view bytes)
{
    std::optional<mode_t> replacedMode;
    if (auto failure = openFolder())
        return failure;
    if (auto failure = checkName(replacedMode))
        return failure;
    if (auto failure = createTemporary(replacedMode))
        return failure;
    if (auto failure = writeAll(bytes))
        return failure;
    return commit();
}

std::optional<std::string> WholeFileWriter::openFolder()
{
    if (m_name.empty())
        return reasonFor(EISDIR, m_path);
    const std::string folder = m_folder.empty() ? std::string(".") : m_folder;
    m_folderDescriptor = Descriptor(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
#ifdef O_PATH
    // A folder one may write in but not list is still enough for the calls
    // relative to it.
    if (!m_folderDescriptor.isOpen() && errno == EACCES)
        m_folderDescriptor = Descriptor(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
#endif
    if (!m_folderDescriptor.isOpen())
        return reasonFor(errno, m_path);
    return std::nullopt;
}

// What the name is now: nothing, or a regular file (whose permissions the
// new file keeps: `replacedMode`). Anything else appeared after the name was
// checked and is refused.
std::optional<std::string> WholeFileWriter::checkName(std::optional<mode_t>& replacedMode) const
{
    struct stat status { };
    if (fstatat(m_folderDescriptor.get(), m_name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(reasonFor(errno, m_path));
    if (S_ISLNK(status.st_mode))
        return reasonFor(WriteObstacle::NameBecameLink, m_path);
    if (!S_ISREG(status.st_mode))
        return reasonFor(WriteObstacle::NameBecameOther, m_path);
    if (faccessat(m_folderDescriptor.get(), m_name.c_str(), W_OK, 0) != 0 && errno == EACCES)
        return readOnlyReason(m_path);
    replacedMode = status.st_mode & 07777;
    return std::nullopt;
}

std::optional<std::string> WholeFileWriter::createTemporary(std::optional<mode_t> replacedMode)
{
    // A short hidden name of its own, whatever the length of the chosen one.
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = ".ruvex3d-" + std::to_string(random() % 100000000u) + ".tmp";
        // Named for the stop signals before it exists, so no moment is left
        // in which a stop would leave it behind.
        StopSignals::removeOnStop(m_folderDescriptor.get(), name.c_str());
        const int descriptor = openat(m_folderDescriptor.get(), name.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                      replacedMode.value_or(0666)); // a new file's: less the umask
        if (descriptor >= 0) {
            m_file = Descriptor(descriptor);
            m_temporary = name;
            if (replacedMode)
                fchmod(descriptor, *replacedMode); // the replaced file's permissions, past the umask
            return std::nullopt;
        }
        const int error = errno;
        StopSignals::nothingToRemove(); // the name may be another program's
        if (error == ENOENT)
            return whyNoFileIsMade();
        if (error != EEXIST)
            return reasonFor(error, m_path);
    }
    return reasonFor(EEXIST, m_path);
}

// The folder is open, yet no file can be made in it: it has been deleted,
// or it belongs to a file system that takes no files from users.
std::optional<std::string> WholeFileWriter::whyNoFileIsMade() const
{
    struct stat status { };
    const bool deleted = fstat(m_folderDescriptor.get(), &status) == 0 && status.st_nlink == 0;
    if (!deleted)
        return reasonFor(WriteObstacle::FolderTakesNoFiles, m_path);
    char here[PATH_MAX];
    const bool relative = m_folder.empty() || m_folder.front() != '/';
    if (relative && getcwd(here, sizeof here) == nullptr && errno == ENOENT)
        return reasonFor(WriteObstacle::WorkingFolderRemoved, m_path);
    return reasonFor(WriteObstacle::FolderRemoved, m_path);
}

// A write that stops short, as on a nearly full disk, is continued until the
// system says why it cannot go on.
std::optional<std::string> WholeFileWriter::writeAll(std::string_view bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(m_file.get(), bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return reasonFor(written < 0 ? errno : EIO, m_path);
        done += static_cast<std::size_t>(written);
    }
    if (fsync(m_file.get()) != 0 || m_file.close() != 0)
        return reasonFor(errno, m_path);
    return std::nullopt;
}

// The name is looked at once more right before the file takes its place.
// Should a link still slip in between, the rename replaces the link itself:
// nothing is written where it leads.
std::optional<std::string> WholeFileWriter::commit()
{
    std::optional<mode_t> unused;
    if (auto failure = checkName(unused))
        return failure;
    if (renameat(m_folderDescriptor.get(), m_temporary.c_str(), m_folderDescriptor.get(), m_name.c_str())
        != 0)
        return reasonFor(errno, m_path);
    m_temporary.clear();
    StopSignals::nothingToRemove();
    // The new name on disk too; a folder opened for paths only cannot be
    // synchronised, and the picture is written all the same.
    fsync(m_folderDescriptor.get());
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    return WholeFileWriter(path).write(bytes);
}

#endif
