#include "pictures/programpictures.h"

namespace ProgramPictures {

QString picturePath(std::string_view name)
{
    return QStringLiteral(":/pictures/")
        + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString menuBitmap(int number)
{
    return QStringLiteral(":/pictures/menu%1.bmp").arg(number);
}

QString menuMask(int number)
{
    return QStringLiteral(":/pictures/menu%1mask.bmp").arg(number);
}

QIcon programIcon()
{
    return QIcon(QString::fromLatin1(kIconFile));
}

} // namespace ProgramPictures
