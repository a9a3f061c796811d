#include "ui/numbertext.h"

#include <charconv>
#include <cmath>

QString generalNumberText(float value)
{
    if (value == 0.0f)
        return QStringLiteral(" 0");
    char buffer[32];
    // The general form with seven digits switches to exponent form exactly
    // where the general text does: below 1E-04 and from 1E+07 on. to_chars,
    // unlike printf, ignores the system's locale: the caption's decimal
    // separator is always ".", also where the locale writes ",".
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                   std::chars_format::general, 7)
                         .ptr;
    QString text = QString::fromLatin1(buffer, end - buffer).toUpper();
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    if (!text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char(' '));
    return text;
}

QString aspectCaption(float aspect)
{
    const QString text = generalNumberText(aspect);
    if (aspect > 0.0f && aspect < 1.0f)
        return QLatin1Char('0') + text.trimmed();
    return text;
}

QString distanceCaption(float distance)
{
    return generalNumberText(distance);
}
