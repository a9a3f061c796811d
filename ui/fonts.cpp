#include "ui/fonts.h"

#include "window/fontfamilies.h"

#include <QStringList>

namespace {

// The family and its stand-ins, as the page's style lists them too.
QFont fontOf(std::string_view family, double pointSize)
{
    const FontSubstitutes& entry = fontSubstitutes(family);
    QStringList families{QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()))};
    for (const std::string_view substitute : entry.substitutes)
        if (!substitute.empty())
            families << QString::fromUtf8(substitute.data(), static_cast<qsizetype>(substitute.size()));
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont fontOf(const ControlFont& font)
{
    if (font.family == "Times New Roman")
        return timesNewRomanFont(font.pointSize, font.italic);
    if (font.family == "Tahoma")
        return tahomaFont(font.pointSize, font.bold);
    QFont sansSerif = msSansSerifFont(font.pointSize);
    if (font.bold)
        sansSerif.setBold(true);
    if (font.italic)
        sansSerif.setItalic(true);
    return sansSerif;
}

QFont timesNewRomanFont(double pointSize, bool italic)
{
    QFont font = fontOf("Times New Roman", pointSize);
    font.setItalic(italic);
    return font;
}

QFont msSansSerifFont(double pointSize)
{
    return fontOf("MS Sans Serif", pointSize);
}

QFont tahomaFont(double pointSize, bool bold)
{
    QFont font = fontOf("Tahoma", pointSize);
    font.setBold(bold);
    return font;
}
