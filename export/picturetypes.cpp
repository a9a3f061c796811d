#include "export/picturetypes.h"

#include "export/picturepath.h"

std::string_view mediaType(PictureFormat format)
{
    constexpr std::string_view types[] = {"image/bmp", "image/png", "image/svg+xml"};
    return types[static_cast<int>(format)];
}

std::string exportDialogFilter()
{
    std::string filter;
    for (const ExportType& type : kExportTypes) {
        if (!filter.empty())
            filter += '|';
        filter += type.description;
        filter += "|*";
        filter += type.extension;
    }
    return filter;
}

std::string fileExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < fileNameStart(path))
        return {};
    std::string extension = path.substr(dot);
    lowerAsciiLetters(extension);
    return extension;
}

std::optional<PictureFormat> formatOfPath(const std::string& path)
{
    const std::string extension = fileExtension(path);
    if (extension == ".bmp")
        return PictureFormat::Bitmap;
    if (extension == ".png")
        return PictureFormat::Png;
    if (extension == ".svg")
        return PictureFormat::Svg;
    return std::nullopt;
}

ExportTarget exportTarget(const std::string& path, std::int32_t filterIndex)
{
    const bool known = filterIndex >= 1 && static_cast<std::size_t>(filterIndex) <= kExportTypes.size();
    const std::size_t chosen = known ? static_cast<std::size_t>(filterIndex - 1) : 0;
    const std::string extension = fileExtension(path);
    if (extension == kExportTypes[chosen].extension)
        return {path, chosen};
    for (std::size_t type = 0; type < kExportTypes.size(); ++type) {
        if (extension == kExportTypes[type].extension)
            return {path, type};
    }
    return {path + std::string(kExportTypes[chosen].extension), chosen};
}

std::string sharedPictureName(std::string_view caption)
{
    std::string name;
    bool gap = false;
    for (const char c : caption) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letter) {
            gap = !name.empty();
            continue;
        }
        if (gap)
            name += '-';
        gap = false;
        name += c;
    }
    lowerAsciiLetters(name);
    return (name.empty() ? std::string("gambar") : name) + ".png";
}
