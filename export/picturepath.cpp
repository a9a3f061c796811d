#include "export/picturepath.h"

namespace {

// A drive letter and its colon ("C:") name a folder on Windows even without a
// separator after them ("C:gambar" lies in the current folder of drive C).
std::size_t drivePrefixLength(const std::string& path)
{
#ifdef _WIN32
    const bool letter
        = !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (letter && path.size() >= 2 && path[1] == ':')
        return 2;
#else
    (void)path;
#endif
    return 0;
}

} // namespace

bool isFolderSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::size_t fileNameStart(const std::string& path)
{
    for (std::size_t n = path.size(); n > 0; --n) {
        if (isFolderSeparator(path[n - 1]))
            return n;
    }
    return drivePrefixLength(path);
}

void lowerAsciiLetters(std::string& text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, fileNameStart(path));
}

void ForceExtension(std::string& path, std::string& extension)
{
    if (path.empty())
        return;
    lowerAsciiLetters(extension);
    // The first dot, not the last: "peta.lama.bmp" becomes "peta" + extension.
    const std::size_t dot = path.find('.', fileNameStart(path));
    if (dot != std::string::npos)
        path.erase(dot);
    path += extension;
}
