// The sentences of the view's settings: the ranges the messages and the help
// name, and the refusals.

#include "window/viewsettings.h"
#include "window/viewsettingwords.h"

#include <algorithm>

using namespace ViewSettingWords;

std::string ViewSettingWords::shown(std::string_view name)
{
    return name.empty() ? std::string("\u00ab\u00bb") : std::string(name);
}

std::string ViewSettingWords::unknownRefusal(std::string_view shownName)
{
    return shown(shownName) + " tidak dikenal.";
}

std::string shapeRange()
{
    return "bilangan bulat 0 sampai " + std::to_string(kLargestShapeNumber);
}
std::string viewRange()
{
    return "dua bilangan bulat X,Y, masing-masing 0 sampai " + std::to_string(kLargestPointerPosition);
}
std::string distanceRange()
{
    return "bilangan bulat " + std::to_string(kMinDistance) + " sampai " + std::to_string(kMaxDistance);
}
std::string aspectRange()
{
    static_assert(kMinAspectTenths == 0 && kMaxAspectTenths == 16, "the sentence names the range");
    return "0 sampai 1,6 dalam kelipatan 0,1 (misalnya 0,5 atau 1.2)";
}
std::string scaleRange()
{
    return "bilangan bulat " + std::to_string(kMinScale) + " sampai " + std::to_string(kMaxScale);
}
std::string sectionRange()
{
    return "dua bilangan bulat SUDUT,JARAK, sudut " + std::to_string(kMinSectionTilt) + " sampai "
        + std::to_string(kMaxSectionTilt) + " dan jarak " + std::to_string(kMinSectionDistance) + " sampai "
        + std::to_string(kMaxSectionDistance) + " (misalnya 30,-40)";
}
std::string sectionPlaneRange()
{
    return std::string(kPlaneShown) + " atau " + std::string(kPlaneHidden);
}
std::string backLinesRange()
{
    return std::string(kDashed) + " atau " + std::string(kSolid);
}

std::string valueRefusal(std::string_view shownName, std::string_view range, std::string_view given)
{
    return shown(shownName) + " harus " + std::string(range) + ", bukan \"" + std::string(given) + "\".";
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
