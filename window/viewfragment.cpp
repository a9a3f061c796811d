// A page's address fragment read as a view's settings, "shape=3&view=120,60",
// refused as the command line refuses its options.

#include "export/escapedtext.h"
#include "window/sizesettings.h"
#include "window/viewsettings.h"

namespace {

// A setting as the address gives it, the name not yet known to be one.
struct GivenSetting {
    std::string name;
    std::string value;
};

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

// The address's settings read into `settings`, refused as the command line
// refuses options: an unknown name first, then one given twice, then the
// first value refused.
std::optional<std::string> readFragmentSettings(const std::vector<GivenSetting>& given,
                                                PictureSettings& settings)
{
    std::vector<std::string> names;
    for (const GivenSetting& setting : given) {
        if (!isViewSetting(setting.name))
            return unknownSettingRefusal(setting.name);
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
    return settleSchoolSolid(settings, "");
}

} // namespace

std::variant<PictureSettings, std::string> viewSettingsOfFragment(std::string_view fragment)
{
    PictureSettings settings;
    if (const auto refused = readFragmentSettings(fragmentSettings(fragment), settings))
        return escapedControls(*refused);
    return settings;
}
