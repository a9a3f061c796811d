// The sentences refusing a view's setting, on the command line as in the
// page's address.

#include "window/optionnames.h"
#include "window/viewsettings.h"

#include <algorithm>
#include <array>

namespace {

// The name as a sentence shows it: an empty one as "«»", so that the
// sentence still names what was given.
std::string shown(std::string_view name)
{
    return name.empty() ? std::string("\u00ab\u00bb") : std::string(name);
}

} // namespace

std::string valueRefusal(std::string_view shownName, std::string_view range, std::string_view given)
{
    return shown(shownName) + " harus " + std::string(range) + ", bukan \"" + std::string(given) + "\".";
}

std::string switchValueRefusal(std::string_view shownName)
{
    return shown(shownName) + " tidak menerima nilai.";
}

std::string unknownSettingRefusal(std::string_view shownName)
{
    return shown(shownName) + " tidak dikenal.";
}

std::optional<std::string> firstRepeatedName(const std::vector<std::string>& names)
{
    for (auto name = names.begin(); name != names.end(); ++name) {
        if (std::find(names.begin(), name, *name) != name)
            return *name;
    }
    return std::nullopt;
}

std::string repeatedSettingRefusal(std::string_view shownName)
{
    return "pilihan " + shown(shownName) + " hanya boleh diberikan sekali.";
}

std::optional<std::string> loneSettingRefusal(const std::vector<std::string>& names, std::string_view prefix)
{
    // A setting that only says how another is drawn, the other, and the
    // other's value as the sentence names it.
    struct Dependent {
        std::string_view name;
        std::string_view needs;
        std::string_view needsValue;
    };
    constexpr std::array<Dependent, 4> kDependents{{
        {OptionName::kSectionPlane, OptionName::kSection, "SUDUT,JARAK"},
        {OptionName::kNet, OptionName::kSize, "R,T"},
        {OptionName::kPi, OptionName::kSize, "R[,T]"},
        {OptionName::kSizeInfo, OptionName::kSize, "R[,T]"},
    }};
    const auto given = [&names](std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    const std::string p(prefix);
    for (const Dependent& dependent : kDependents) {
        if (given(dependent.name) && !given(dependent.needs))
            return "pilihan " + p + std::string(dependent.name) + " hanya berlaku bersama " + p
                + std::string(dependent.needs) + ' ' + std::string(dependent.needsValue) + '.';
    }
    return std::nullopt;
}
