#include "pictures/programpictures.h"

namespace ProgramPictures {

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
