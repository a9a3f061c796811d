#include "ui/fonts.h"

#include <QStringList>

namespace {

QFont fontOf(const QStringList& families, double pointSize)
{
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
    QFont font = fontOf({"Times New Roman", "Liberation Serif"}, pointSize);
    font.setItalic(italic);
    return font;
}

QFont msSansSerifFont(double pointSize)
{
    return fontOf({"MS Sans Serif", "Liberation Sans"}, pointSize);
}

QFont tahomaFont(double pointSize, bool bold)
{
    QFont font = fontOf({"Tahoma", "DejaVu Sans", "Liberation Sans"}, pointSize);
    font.setBold(bold);
    return font;
}
