#include "window/viewsettings.h"

#include "export/escapedtext.h"
#include "window/commandlineoptions.h"
#include "window/sectionwindowlayout.h"

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

// The name as a sentence shows it: an empty one as "«»", so that the
// sentence still names what was given.
std::string shown(std::string_view name)
{
    return name.empty() ? std::string("\u00ab\u00bb") : std::string(name);
}

// Reads the value of a setting that takes one; false when it is refused.
bool readValue(PictureSettings& settings, std::string_view name, std::string_view value)
{
    if (name == "shape") {
        const auto shape = wholeNumber(value, 0, kLargestShapeNumber);
        settings.shapeIndex = shape.value_or(settings.shapeIndex);
        return shape.has_value();
    }
    if (name == "view") {
        const auto position = pointerPosition(value);
        if (position) {
            settings.pointerX = static_cast<float>((*position)[0]);
            settings.pointerY = static_cast<float>((*position)[1]);
        }
        return position.has_value();
    }
    if (name == "perspective") {
        const auto distance = wholeNumber(value, kMinDistance, kMaxDistance);
        if (distance) {
            settings.perspective = true;
            settings.perspectiveDistance = *distance;
        }
        return distance.has_value();
    }
    if (name == "aspect") {
        const auto tenths = aspectTenths(value);
        settings.aspectTenths = tenths.value_or(settings.aspectTenths);
        return tenths.has_value();
    }
    if (name == "section") {
        const auto plane = sectionOf(value);
        if (plane)
            settings.options.section
                = SectionView{*plane, !settings.options.section || settings.options.section->outline};
        return plane.has_value();
    }
    if (name == "section-plane") {
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
    if (value != kDashed && value != kSolid)
        return false;
    settings.options.dashedBackLines = value == kDashed;
    return true;
}

std::string rangeOf(std::string_view name)
{
    return commandLineOption(name)->range;
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

// A setting as the address gives it, the name not yet known to be one.
struct GivenSetting {
    std::string name;
    std::string value;
};

std::vector<Setting> changedSettings(const PictureSettings& settings)
{
    std::vector<Setting> written{
        {"shape", std::to_string(settings.shapeIndex)},
        {"view",
         std::to_string(equivalentPointerPosition(settings.pointerX)) + ','
             + std::to_string(equivalentPointerPosition(settings.pointerY))},
    };
    if (settings.perspective)
        written.push_back({"perspective", std::to_string(settings.perspectiveDistance)});
    if (settings.aspectTenths != StartupDefaults::kAspectTenths)
        written.push_back({"aspect", aspectText(settings.aspectTenths)});
    if (settings.options.dashedBackLines)
        written.push_back({"back-lines", std::string(kDashed)});
    if (settings.options.axes)
        written.push_back({"axes", {}});
    if (const auto& section = settings.options.section) {
        written.push_back(
            {"section",
             std::to_string(section->plane.tiltDegrees) + ',' + std::to_string(section->plane.distance)});
        if (!section->outline)
            written.push_back({"section-plane", std::string(kPlaneHidden)});
    }
    return written;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// An address part with its %XX escapes undone, as a mail program or a
// learning platform may write "120,60" as "120%2C60". Only when every
// escape is whole and stands for a printable ASCII character; otherwise the
// part as it stands, which no setting takes, so its refusal shows what the
// address says.
std::string unescapedPart(std::string_view part)
{
    std::string text;
    for (std::size_t n = 0; n < part.size(); ++n) {
        if (part[n] != '%') {
            text += part[n];
            continue;
        }
        const int high = n + 2 < part.size() ? hexDigit(part[n + 1]) : -1;
        const int low = n + 2 < part.size() ? hexDigit(part[n + 2]) : -1;
        const int code = high * 16 + low;
        if (high < 0 || low < 0 || code < 0x20 || code > 0x7E)
            return std::string(part);
        text += static_cast<char>(code);
        n += 2;
    }
    return text;
}

// The address's settings in the order given, their names and values with
// their escapes undone; empty parts ("&&") are skipped.
std::vector<GivenSetting> fragmentSettings(std::string_view fragment)
{
    if (fragment.starts_with('#'))
        fragment.remove_prefix(1);
    std::vector<GivenSetting> settings;
    while (!fragment.empty()) {
        const std::size_t end = fragment.find('&');
        const std::string_view part = fragment.substr(0, end);
        fragment = end == std::string_view::npos ? std::string_view() : fragment.substr(end + 1);
        if (part.empty())
            continue;
        const std::size_t equals = part.find('=');
        settings.push_back(
            {unescapedPart(part.substr(0, equals)),
             equals == std::string_view::npos ? std::string() : unescapedPart(part.substr(equals + 1))});
    }
    return settings;
}

std::string unknownRefusal(std::string_view shownName)
{
    return shown(shownName) + " tidak dikenal.";
}

// The address's settings read into `settings`, refused as the command line
// refuses options: an unknown name first, then one given twice, then the
// first value refused.
std::optional<std::string> readFragmentSettings(const std::vector<GivenSetting>& given,
                                                PictureSettings& settings)
{
    std::vector<std::string> names;
    for (const GivenSetting& setting : given) {
        if (!isViewSetting(setting.name))
            return unknownRefusal(setting.name);
        names.push_back(setting.name);
    }
    if (const auto repeated = firstRepeatedName(names))
        return repeatedSettingRefusal(*repeated);
    if (const auto lone = loneSettingRefusal(names, ""))
        return lone;
    for (const GivenSetting& setting : given) {
        if (const auto refused = readViewSetting(settings, setting.name, setting.value, setting.name))
            return refused;
    }
    return std::nullopt;
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
    return std::find(viewSettingNames().begin(), viewSettingNames().end(), name) != viewSettingNames().end();
}

bool viewSettingTakesValue(std::string_view name)
{
    const CommandLineOption* option = commandLineOption(name);
    return !option || !option->viewSetting || !option->valueName.empty();
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

std::optional<std::string> readViewSetting(PictureSettings& settings, std::string_view name,
                                           std::string_view value, std::string_view shownName)
{
    if (!viewSettingTakesValue(name)) {
        if (!value.empty())
            return shown(shownName) + " tidak menerima nilai.";
        settings.options.axes = true;
        return std::nullopt;
    }
    if (!isViewSetting(name))
        return unknownRefusal(shownName);
    if (!readValue(settings, name, value))
        return valueRefusal(shownName, rangeOf(name), value);
    return std::nullopt;
}

std::variant<PictureSettings, std::string> viewSettingsOfFragment(std::string_view fragment)
{
    PictureSettings settings;
    if (const auto refused = readFragmentSettings(fragmentSettings(fragment), settings))
        return escapedControls(*refused);
    return settings;
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
