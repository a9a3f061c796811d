#include "ui/numbertext.h"

#include <cmath>
#include <cstdio>

QString generalNumberText(float value)
{
    if (value == 0.0f)
        return QStringLiteral(" 0");
    char buffer[32];
    // %G switches to exponent form exactly where the general text does:
    // below 1E-04 and from 1E+07 on.
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    QString text = QString::fromLatin1(buffer);
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
