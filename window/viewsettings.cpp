#include "window/viewsettings.h"

#include "export/escapedtext.h"
#include "window/commandlineoptions.h"
#include "window/optionnames.h"
#include "window/sectionwindowlayout.h"
#include "window/sizesettings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr std::string_view kDashed = "dashed";
constexpr std::string_view kSolid = "solid";
constexpr std::string_view kPlaneShown = "shown";
constexpr std::string_view kPlaneHidden = "hidden";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text)
{
    for (const char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// "1", "1.2", "1,2", "0.50": tenths of the stretch factor, as the window's
// scroll bar counts them. A value between two tenths is refused rather than
// rounded, so every picture made is one the window can show.
std::optional<int> aspectTenths(std::string_view text)
{
    const std::size_t mark = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, mark);
    const std::string_view fraction
        = mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    if (whole.empty() || whole.size() > 3 || !allDigits(whole) || !allDigits(fraction))
        return std::nullopt;
    if (mark != std::string_view::npos && fraction.empty())
        return std::nullopt;
    if (fraction.size() > 1 && fraction.substr(1).find_first_not_of('0') != std::string_view::npos)
        return std::nullopt;
    const int tenths = std::stoi(std::string(whole)) * 10 + (fraction.empty() ? 0 : fraction[0] - '0');
    if (tenths < kMinAspectTenths || tenths > kMaxAspectTenths)
        return std::nullopt;
    return tenths;
}

std::optional<std::array<int, 2>> pointerPosition(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
        return std::nullopt;
    const auto x = wholeNumber(text.substr(0, comma), 0, kLargestPointerPosition);
    const auto y = wholeNumber(text.substr(comma + 1), 0, kLargestPointerPosition);
    if (!x || !y)
        return std::nullopt;
    return std::array{*x, *y};
}

// "-150", "0", "40": a whole number within low..high, a minus sign allowed.
std::optional<int> signedNumber(std::string_view text, int low, int high)
{
    const bool negative = text.starts_with('-');
    const auto size = wholeNumber(negative ? text.substr(1) : text, 0, std::max(-low, high));
    if (!size)
        return std::nullopt;
    const int number = negative ? -*size : *size;
    return number >= low && number <= high ? std::optional(number) : std::nullopt;
}

// "30,-40": the section's tilt θ and distance d, as "Irisan Bidang"'s bars
// hold them; its plane is outlined, as the window starts, unless
// "section-plane" has said otherwise.
std::optional<SectionPlane> sectionOf(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto tilt = wholeNumber(text.substr(0, comma), kMinSectionTilt, kMaxSectionTilt);
    const auto distance = signedNumber(text.substr(comma + 1), kMinSectionDistance, kMaxSectionDistance);
    if (!tilt || !distance)
        return std::nullopt;
    return SectionPlane{*tilt, *distance};
}

bool readShape(PictureSettings& settings, std::string_view value)
{
    const auto shape = wholeNumber(value, 0, kLargestShapeNumber);
    settings.shapeIndex = shape.value_or(settings.shapeIndex);
    return shape.has_value();
}

bool readView(PictureSettings& settings, std::string_view value)
{
    const auto position = pointerPosition(value);
    if (position) {
        settings.pointerX = static_cast<float>((*position)[0]);
        settings.pointerY = static_cast<float>((*position)[1]);
    }
    return position.has_value();
}

bool readPerspective(PictureSettings& settings, std::string_view value)
{
    const auto distance = wholeNumber(value, kMinDistance, kMaxDistance);
    if (distance) {
        settings.perspective = true;
        settings.perspectiveDistance = *distance;
    }
    return distance.has_value();
}

bool readAspect(PictureSettings& settings, std::string_view value)
{
    const auto tenths = aspectTenths(value);
    settings.aspectTenths = tenths.value_or(settings.aspectTenths);
    return tenths.has_value();
}

bool readBackLines(PictureSettings& settings, std::string_view value)
{
    if (value != kDashed && value != kSolid)
        return false;
    settings.options.dashedBackLines = value == kDashed;
    return true;
}

bool readSection(PictureSettings& settings, std::string_view value)
{
    const auto plane = sectionOf(value);
    if (plane)
        settings.options.section
            = SectionView{*plane, !settings.options.section || settings.options.section->outline};
    return plane.has_value();
}

bool readSectionPlane(PictureSettings& settings, std::string_view value)
{
    if (value != kPlaneShown && value != kPlaneHidden)
        return false;
    // Read before "section" in an address, it sets the start plane's box
    // until the plane is read.
    SectionView section = settings.options.section.value_or(
        SectionView{{SectionWindowLayout::kTilt.start, SectionWindowLayout::kDistance.start}, true});
    section.outline = value == kPlaneShown;
    settings.options.section = section;
    return true;
}

// A view's setting: how its value is read (false when it is refused, the
// settings then unchanged) and what it takes, as its refusal says; neither
// for the switch "axes".
struct SettingReader {
    std::string_view name;
    bool (*read)(PictureSettings& settings, std::string_view value);
    std::string (*range)();
};

// In the order the command line reads them.
constexpr std::array<SettingReader, 11> kSettings{{
    {OptionName::kShape, readShape, shapeRange},
    {OptionName::kView, readView, viewRange},
    {OptionName::kPerspective, readPerspective, distanceRange},
    {OptionName::kAspect, readAspect, aspectRange},
    {OptionName::kBackLines, readBackLines, backLinesRange},
    {OptionName::kAxes, nullptr, nullptr},
    {OptionName::kSection, readSection, sectionRange},
    {OptionName::kSectionPlane, readSectionPlane, sectionPlaneRange},
    {OptionName::kSize, readSchoolSize, sizeRange},
    {OptionName::kNet, readSchoolNet, netRange},
    {OptionName::kPi, readSchoolPi, piRange},
}};

const SettingReader* settingReader(std::string_view name)
{
    const auto found = std::find_if(kSettings.begin(), kSettings.end(),
                                    [name](const SettingReader& setting) { return setting.name == name; });
    return found == kSettings.end() ? nullptr : &*found;
}

// "1", "0,5", "1,2": the aspect as the window's caption writes a decimal.
std::string aspectText(int tenths)
{
    const std::string whole = std::to_string(tenths / 10);
    return tenths % 10 == 0 ? whole : whole + ',' + std::to_string(tenths % 10);
}

struct Setting {
    std::string_view name;
    std::string value; // empty for a switch
};

std::vector<Setting> changedSettings(const PictureSettings& settings)
{
    std::vector<Setting> written{
        {OptionName::kShape, std::to_string(settings.shapeIndex)},
        {OptionName::kView,
         std::to_string(equivalentPointerPosition(settings.pointerX)) + ','
             + std::to_string(equivalentPointerPosition(settings.pointerY))},
    };
    if (settings.perspective)
        written.push_back({OptionName::kPerspective, std::to_string(settings.perspectiveDistance)});
    if (settings.aspectTenths != StartupDefaults::kAspectTenths)
        written.push_back({OptionName::kAspect, aspectText(settings.aspectTenths)});
    if (settings.options.dashedBackLines)
        written.push_back({OptionName::kBackLines, std::string(kDashed)});
    if (settings.options.axes)
        written.push_back({OptionName::kAxes, {}});
    if (const auto& section = settings.options.section) {
        written.push_back(
            {OptionName::kSection,
             std::to_string(section->plane.tiltDegrees) + ',' + std::to_string(section->plane.distance)});
        if (!section->outline)
            written.push_back({OptionName::kSectionPlane, std::string(kPlaneHidden)});
    }
    for (auto& [name, value] : schoolSettingsText(settings))
        written.push_back({name, std::move(value)});
    return written;
}

} // namespace

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

std::optional<int> wholeNumber(std::string_view value, int low, int high)
{
    if (value.empty() || value.size() > 6 || !allDigits(value))
        return std::nullopt;
    const int number = std::stoi(std::string(value));
    if (number < low || number > high)
        return std::nullopt;
    return number;
}

const std::vector<std::string_view>& viewSettingNames()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> settings;
        for (const CommandLineOption& option : commandLineOptions()) {
            if (option.viewSetting)
                settings.push_back(option.name);
        }
        return settings;
    }();
    return names;
}

bool isViewSetting(std::string_view name)
{
    return settingReader(name) != nullptr;
}

bool viewSettingTakesValue(std::string_view name)
{
    const CommandLineOption* option = commandLineOption(name);
    return !option || !option->viewSetting || !option->valueName.empty();
}

std::optional<std::string> readViewSetting(PictureSettings& settings, std::string_view name,
                                           std::string_view value, std::string_view shownName)
{
    if (!viewSettingTakesValue(name)) {
        if (!value.empty())
            return switchValueRefusal(shownName);
        settings.options.axes = true;
        return std::nullopt;
    }
    const SettingReader* setting = settingReader(name);
    if (!setting)
        return unknownSettingRefusal(shownName);
    if (!setting->read(settings, value))
        return valueRefusal(shownName, setting->range(), value);
    return std::nullopt;
}

int equivalentPointerPosition(float stored)
{
    double turns = std::fmod(static_cast<double>(stored), kPointerPositions);
    if (turns < 0.0)
        turns += kPointerPositions;
    const long position = std::lround(turns);
    return position == kPointerPositions ? 0 : static_cast<int>(position);
}

namespace {

// The settings that differ from the defaults, each as its name and value
// joined by `assign`, after `first` for the first and `between` for the rest.
std::string joinedSettings(const PictureSettings& settings, std::string_view first, std::string_view between,
                           char assign)
{
    std::string text;
    for (const Setting& setting : changedSettings(settings)) {
        text += text.empty() ? first : between;
        text += setting.name;
        if (!setting.value.empty())
            text += assign + setting.value;
    }
    return text;
}

} // namespace

std::string viewOptionsText(const PictureSettings& settings)
{
    return joinedSettings(settings, "--", " --", ' ');
}

std::string viewFragment(const PictureSettings& settings)
{
    return joinedSettings(settings, "", "&", '=');
}
