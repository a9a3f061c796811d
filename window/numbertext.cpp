#include "window/numbertext.h"

#include <clocale>
#include <cstdio>
#include <string_view>

namespace {

// printf writes the locale's decimal separator; the captions always read ".".
void useDecimalPoint(std::string& text)
{
    const std::lconv* conventions = std::localeconv();
    const std::string_view separator
        = conventions && conventions->decimal_point ? conventions->decimal_point : ".";
    if (separator == ".")
        return;
    if (const auto at = text.find(separator); at != std::string::npos)
        text.replace(at, separator.size(), ".");
}

} // namespace

std::string generalNumberText(float value)
{
    if (value == 0.0f)
        return " 0";
    // %.7G switches to exponent form exactly where the general text does:
    // below 1E-04 and from 1E+07 on, and drops trailing zeros as it does.
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
    useDecimalPoint(text);
    if (text.starts_with("0."))
        text.erase(0, 1);
    else if (text.starts_with("-0."))
        text.erase(1, 1);
    if (!text.starts_with('-'))
        text.insert(text.begin(), ' ');
    return text;
}

std::string aspectCaption(float aspect)
{
    const std::string text = generalNumberText(aspect);
    if (aspect > 0.0f && aspect < 1.0f)
        return "0" + text.substr(1);
    return text;
}

std::string distanceCaption(float distance)
{
    return generalNumberText(distance);
}
