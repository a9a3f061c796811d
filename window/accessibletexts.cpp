#include "window/accessibletexts.h"

#include "window/pagetexts.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace {

constexpr std::string_view kDistance = "Jarak Pandang";
constexpr std::string_view kAspect = "Aspek";

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNames = {{
    {"Text1", "Definisi"},
    {"frmPerspec", "Perspektif"},
    {"VScroll2", kDistance},
    {"frmAspect", kAspect},
    {"VScroll1", kAspect},
    {"picDisplay", PageTexts::kPictureName},
}};

} // namespace

std::string_view accessibleName(std::string_view control)
{
    for (const auto& [name, read] : kNames)
        if (name == control)
            return read;
    return {};
}

std::string_view groupLabel(std::string_view control)
{
    return control.starts_with("optAnim(") ? "Label1" : "";
}

std::string_view captionLanguage(std::string_view caption)
{
    // "Info", "Torus", "Save Gambar" and "OK" read as Indonesian too.
    static constexpr std::array<std::string_view, 10> kEnglish
        = {"Help",      "Contact",      "Contact Me", "Hyperboloid", "Flat surface",
           "Sine wave", "Bendy blades", "Parabloid",  "Semi-sphere", "Wheel"};
    std::string plain(caption);
    std::erase(plain, '&');
    return std::find(kEnglish.begin(), kEnglish.end(), plain) != kEnglish.end() ? "en" : "";
}

std::string tenthsText(int tenths)
{
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

std::string barValueText(std::string_view control, int value)
{
    if (control == "VScroll1")
        return std::string(kAspect) + " " + tenthsText(value);
    if (control == "VScroll2")
        return std::string(kDistance) + " " + std::to_string(value);
    return {};
}
