#include "export/picturename.h"

#include "export/escapedtext.h"
#include "export/picturepath.h"
#include "export/savetexts.h"

#include <algorithm>
#include <string_view>

namespace {

// The refusals, with %1 for the name as given and %2 for a name to take
// instead. The first is the window's sentence from before the page had one.
constexpr std::string_view kHiddenBitmapName
    = "Nama file %1 dimulai dengan titik, sehingga setelah akhiran .bmp dipasang tidak tersisa nama apa "
      "pun (hanya \u00ab.bmp\u00bb, sebuah file tersembunyi). Tulis nama sebelum titik, misalnya %2.";
constexpr std::string_view kHiddenName
    = "Nama file %1 dimulai dengan titik, sehingga gambar akan menjadi file tersembunyi yang tidak tampak "
      "di folder. Tulis nama yang tidak dimulai dengan titik, misalnya %2.";
constexpr std::string_view kEmptyName = "Nama file masih kosong. Tulis nama file, misalnya %2.";
constexpr std::string_view kDotsOnlyName
    = "Nama file %1 hanya terdiri atas titik, sehingga tidak menamai file apa pun. Tulis nama file, "
      "misalnya %2.";
constexpr std::string_view kBlankName
    = "Nama file %1 tidak memuat huruf atau tanda yang tampak sebelum akhirannya, hanya spasi atau "
      "karakter yang tidak terlihat, sehingga namanya tampak kosong. Tulis nama yang terlihat, misalnya "
      "%2.";
constexpr std::string_view kNameWithFolder
    = "Nama file %1 memuat tanda / atau \\, yang memisahkan nama folder. Tulis nama file saja, tanpa "
      "folder, misalnya %2; peramban menyimpan unduhan di folder unduhannya sendiri.";

bool onlyDots(std::string_view name)
{
    return name.find_first_not_of('.') == std::string_view::npos;
}

// Nothing but dots, spaces and characters that leave no mark.
bool showsNoName(std::string_view stem)
{
    std::string withoutDots(stem);
    std::erase(withoutDots, '.');
    return showsNothing(withoutDots);
}

// Why the file name `name` (the part after any folder, as given) leaves no
// visible name for a picture of `extension`; empty when it does not. `stem`
// is what stands before the extension in the name that would be written.
std::string refusedFileName(std::string_view name, std::string_view stem, NameForm form,
                            std::string_view extension)
{
    const std::string instead = quotedName("gambar" + std::string(extension));
    const auto refusal
        = [&](std::string_view sentence) { return SaveTexts::fillIn(sentence, quotedName(name), instead); };
    if (name.empty())
        return refusal(kEmptyName);
    if (form == NameForm::BareName && name.find_first_of("/\\") != std::string_view::npos)
        return refusal(kNameWithFolder);
    if (onlyDots(name))
        return refusal(kDotsOnlyName);
    if (name.front() == '.')
        return refusal(extension == ".bmp" ? kHiddenBitmapName : kHiddenName);
    if (showsNoName(stem))
        return SaveTexts::fillIn(kBlankName, quotedBlankName(name), instead);
    return {};
}

// The file-name part the rule looks at: for a bare name all of it, so a
// separator in it is seen.
std::string_view fileNamePart(const std::string& chosen, NameForm form)
{
    const std::string_view text(chosen);
    return form == NameForm::BareName ? text : text.substr(fileNameStart(chosen));
}

// What stands before the extension in the name `path` written with the
// extension `extension` (of its length: the letter case may differ).
std::string_view stemOf(const std::string& path, std::string_view extension)
{
    const std::string_view name = std::string_view(path).substr(fileNameStart(path));
    return name.substr(0, name.size() - std::min(name.size(), extension.size()));
}

} // namespace

PictureName savedPictureName(const std::string& chosen, NameForm form)
{
    std::string path = chosen;
    std::string extension = ".bmp";
    ForceExtension(path, extension);
    const std::string refusal
        = refusedFileName(fileNamePart(chosen, form), stemOf(path, extension), form, ".bmp");
    if (!refusal.empty())
        return {chosen, 0, PictureFormat::Bitmap, refusal};
    return {path, 0, PictureFormat::Bitmap, {}};
}

PictureName exportedPictureName(const std::string& chosen, std::int32_t filterIndex, NameForm form)
{
    const ExportTarget target = exportTarget(chosen, filterIndex);
    const ExportType& type = kExportTypes[target.type];
    const std::string refusal = refusedFileName(fileNamePart(chosen, form),
                                                stemOf(target.path, type.extension), form, type.extension);
    if (!refusal.empty())
        return {chosen, target.type, type.format, refusal};
    return {target.path, target.type, type.format, {}};
}

PictureName givenPictureName(const std::string& given)
{
    const PictureFormat format = formatOfPath(given).value_or(PictureFormat::Png);
    const std::string extension = fileExtension(given);
    const auto type = std::find_if(kExportTypes.begin(), kExportTypes.end(),
                                   [format](const ExportType& offered) { return offered.format == format; });
    const std::size_t typeIndex
        = type == kExportTypes.end() ? 0 : static_cast<std::size_t>(type - kExportTypes.begin());
    const std::string refusal = refusedFileName(fileNamePart(given, NameForm::Path), stemOf(given, extension),
                                                NameForm::Path, extension);
    return {given, typeIndex, format, refusal};
}
