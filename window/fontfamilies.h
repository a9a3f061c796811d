#pragma once
// Where a font the layouts name is found on a system without it: the family
// itself first, then metric-compatible ones that free systems carry, so that
// captions take the width the layout was made for. The desktop's fonts
// (ui/fonts.cpp) and the page's style read the same list. A family not in
// the table falls back as "MS Sans Serif" does, the window's own font.

#include <array>
#include <string_view>

struct FontSubstitutes {
    std::string_view family;
    std::array<std::string_view, 2> substitutes; // empty entries unused
};

inline constexpr std::array kFontSubstitutes = {
    FontSubstitutes{"Times New Roman", {"Liberation Serif", {}}},
    FontSubstitutes{"MS Sans Serif", {"Liberation Sans", {}}},
    FontSubstitutes{"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
};

constexpr const FontSubstitutes& fontSubstitutes(std::string_view family)
{
    for (const FontSubstitutes& entry : kFontSubstitutes)
        if (entry.family == family)
            return entry;
    return kFontSubstitutes[1];
}
