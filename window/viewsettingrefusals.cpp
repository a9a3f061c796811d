// The sentences refusing a view's setting, on the command line as in the
// page's address.

#include "window/viewsettings.h"

#include <algorithm>

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
    const auto given = [&names](std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    if (!given("section-plane") || given("section"))
        return std::nullopt;
    const std::string p(prefix);
    return "pilihan " + p + "section-plane hanya berlaku bersama " + p + "section SUDUT,JARAK.";
}
